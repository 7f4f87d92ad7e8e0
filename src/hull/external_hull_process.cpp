#include "hull/external_hull_process.h"

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

}  // namespace

ProgramRun run_program(const std::filesystem::path& program, const std::string& argument,
                       const std::string& input, std::chrono::milliseconds time_limit) {
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(program_text(program), {QString::fromStdString(argument)});
  if (!process.waitForStarted(-1)) return {};

  process.write(input.data(), static_cast<qint64>(input.size()));
  process.closeWriteChannel();  // takes effect once the input has been taken up

  // The wait also feeds the input and drains the output, so neither pipe can fill up and stall
  // the program; it may return early (on a write error, say), hence the loop to the deadline.
  const QDeadlineTimer deadline(time_limit);
  while (process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
    process.waitForFinished(static_cast<int>(std::min<qint64>(deadline.remainingTime(), INT_MAX)));
  }

  ProgramRun run;
  run.started = true;
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished(kKilledProgramWaitMs);
    return run;
  }
  run.finished_in_time = true;
  run.output = process.readAllStandardOutput().toStdString();
  return run;
}

}  // namespace ombrix
