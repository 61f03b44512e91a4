#pragma once

namespace sorvik::lunartable {

// Instants are Julian days: `jd` on Universal Time, `jde` on Terrestrial Time.

// TT − UT in seconds at a UT instant.
double deltaTSeconds(double jd);
double jdeFromJd(double jd);
double jdFromJde(double jde);

// Apparent geocentric longitudes in degrees [0, 360), referred to the true equinox of date.
double apparentSolarLongitude(double jde);
double apparentLunarLongitude(double jde);

// Precession of ecliptic coordinates (degrees) from the equinox of J2000.0 to that of date.
struct Ecliptic {
    double longitude = 0;
    double latitude = 0;
};
Ecliptic precessFromJ2000(Ecliptic j2000, double jde);

// The new moon (apparent longitudes of Moon and Sun equal) nearest to the given instant, as
// JDE; the guess must lie within about ten days of it.
double newMoonNear(double jdeGuess);
// The instant (JDE) nearest to the guess at which the Sun's apparent longitude is the given
// value; the guess must lie within about two months of it.
double solarLongitudeNear(double longitude, double jdeGuess);

}  // namespace sorvik::lunartable
