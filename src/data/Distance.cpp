#include "Distance.h"

#include <cmath>

namespace dorv::data {
namespace {

constexpr double kRadiansPerDegree = 0.017453277777777776;
constexpr double kEarthRadiusMiles = 3961.069;

}  // namespace

double Distance(double latitude1, double longitude1, double latitude2, double longitude2) {
  if (latitude1 == kUnknownCoordinate || longitude1 == kUnknownCoordinate ||
      latitude2 == kUnknownCoordinate || longitude2 == kUnknownCoordinate)
    return kUnknownDistance;
  double a = latitude1 * kRadiansPerDegree;
  double b = latitude2 * kRadiansPerDegree;
  double d = std::fabs(longitude1 * kRadiansPerDegree - longitude2 * kRadiansPerDegree);
  double x = std::cos(d) * std::cos(a) * std::cos(b) + std::sin(a) * std::sin(b);
  // atan2 of the sine and cosine of the central angle stays right beyond a quarter of the
  // globe, where dividing by x would turn the angle negative or infinite.
  double sine = std::sqrt(std::fmax(0.0, 1.0 - x * x));
  return kEarthRadiusMiles * std::atan2(sine, x);
}

}  // namespace dorv::data
