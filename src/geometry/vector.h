// Points and directions in single precision, and the arithmetic that plane construction needs.
#pragma once

namespace ombrix {

struct Vector {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

// The vector from p to q (note the order): q - p, each component rounded to single precision.
void vector_from_to(const Vector& p, const Vector& q, Vector& out);

// u x v, each component formed in double precision and stored in single precision.
void cross(const Vector& u, const Vector& v, Vector& out);

// ((u.x*v.x + u.y*v.y) + u.z*v.z) in double precision.
double dot(const Vector& u, const Vector& v);

// The length of v in double precision.
double vector_length(const Vector& v);

// Scales v to unit length and returns its length before scaling, rounded to single precision.
// A zero vector (exactly zero, no tolerance) stays as it is and 0 is returned.
float normalize(Vector& v);

// The distance between p and q in double precision.
double point_distance(const Vector& p, const Vector& q);

}  // namespace ombrix
