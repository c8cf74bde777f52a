#pragma once

namespace dorv::data {

// Coordinates are degrees; -1.0 stands for an unknown one.
inline constexpr double kUnknownCoordinate = -1.0;
inline constexpr double kUnknownDistance = 9999.0;

// Great-circle distance in miles between two points; 9999.0 when a coordinate is unknown.
double Distance(double latitude1, double longitude1, double latitude2, double longitude2);

}  // namespace dorv::data
