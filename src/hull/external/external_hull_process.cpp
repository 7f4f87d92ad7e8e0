#include "hull/external/external_hull_process.h"

#include <algorithm>
#include <climits>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

namespace ombrix {

namespace {

QString program_text(const std::filesystem::path& program) {
#if defined(_WIN32)
  return QString::fromStdWString(program.native());
#else
  return QFile::decodeName(program.native().c_str());  // QProcess encodes it back byte for byte
#endif
}

// A killed program ends at once; the bound only keeps a program stuck in the kernel from
// hanging the tool.
constexpr int kKilledProgramWaitMs = 5000;
constexpr int kShortWaitMs = 20;

int milliseconds_left(const QDeadlineTimer& deadline) {
  return static_cast<int>(std::min<qint64>(deadline.remainingTime(), INT_MAX));
}

ProgramRun kill_program(QProcess& process, ProgramEnd end) {
  process.kill();
  process.waitForFinished(kKilledProgramWaitMs);
  return {end, {}};
}

}  // namespace

ProgramRun run_program(const std::filesystem::path& program, const std::string& argument, const std::string& input,
                       std::chrono::milliseconds time_limit, std::size_t output_limit) {
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(program_text(program), {QString::fromStdString(argument)});
  if (!process.waitForStarted(-1)) return {};

  process.write(input.data(), static_cast<qint64>(input.size()));
  process.closeWriteChannel();  // takes effect once the input has been taken up

  // Each wait also feeds the input and drains the output pipe, so neither can fill up and stall
  // the program. The output is taken as it comes, so that too much of it is seen at once, not
  // after it has all been held in memory.
  const QDeadlineTimer deadline(time_limit);
  std::string output;
  while (process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
    // A wait that returns with nothing to read (the output pipe closed, say) is followed by a
    // short one for the end, so the loop never spins and little output can come in unseen.
    if (!process.waitForReadyRead(milliseconds_left(deadline)) && process.state() != QProcess::NotRunning) {
      process.waitForFinished(std::min(kShortWaitMs, milliseconds_left(deadline)));
    }
    output += process.readAllStandardOutput().toStdString();
    if (output.size() > output_limit) return kill_program(process, ProgramEnd::kTooMuchOutput);
  }
  if (process.state() != QProcess::NotRunning) return kill_program(process, ProgramEnd::kTimedOut);

  output += process.readAllStandardOutput().toStdString();
  if (output.size() > output_limit) return {ProgramEnd::kTooMuchOutput, {}};
  return {ProgramEnd::kFinished, std::move(output)};
}

}  // namespace ombrix
