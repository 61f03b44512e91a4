#include "astronomy.h"

#include <libnova/dynamical_time.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <cmath>
#include <stdexcept>

namespace sorvik::lunartable {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;
constexpr double kArcsec = 1.0 / 3600.0;

double normalize360(double degrees) {
    double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

double normalize180(double degrees) {
    double d = normalize360(degrees);
    return d >= 180.0 ? d - 360.0 : d;
}

double decimalYear(double jd) {
    return 2000.0 + (jd - 2451544.5) / 365.2425;
}

// Secant iteration on f(t) = 0 where f is an angle difference in degrees.
template <class F>
double solveAngle(F f, double t0, double ratePerDay) {
    double t1 = t0 + 0.5;
    double f0 = f(t0);
    double f1 = f(t1);
    for (int i = 0; i < 50; ++i) {
        double slope = (f1 - f0) / (t1 - t0);
        if (!(slope > ratePerDay * 0.5 && slope < ratePerDay * 2.0))
            slope = ratePerDay;
        double t2 = t1 - f1 / slope;
        t0 = t1;
        f0 = f1;
        t1 = t2;
        f1 = f(t1);
        if (std::abs(t1 - t0) < 1e-8)
            return t1;  // below a millisecond
    }
    throw std::runtime_error("no convergence in the root search");
}

}  // namespace

double deltaTSeconds(double jd) {
    // libnova's table of observed values serves up to 1986. Near its end (1990–1992) its
    // interpolation dips by 6 s, and after 2010 it falls back on the long-term parabola (128 s
    // for 2020 against the observed 69 s), so from 1986 on the Espenak–Meeus expressions take
    // over; they join the table within about a second.
    double y = decimalYear(jd);
    if (y < 1986.0)
        return ln_get_dynamical_time_diff(jd);
    if (y < 2005.0) {
        double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    double u = (y - 1820.0) / 100.0;
    if (y < 2150.0)
        return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    return -20.0 + 32.0 * u * u;
}

double jdeFromJd(double jd) {
    return jd + deltaTSeconds(jd) / 86400.0;
}

double jdFromJde(double jde) {
    double jd = jde - deltaTSeconds(jde) / 86400.0;
    return jde - deltaTSeconds(jd) / 86400.0;
}

Ecliptic precessFromJ2000(Ecliptic j2000, double jde) {
    // Rigorous ecliptic precession (IAU 1976 angles) from the fixed epoch J2000.0.
    double t = (jde - kJ2000) / 36525.0;
    double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsec * kRad;
    double bigPi = (174.876384 + (-869.8089 * t + 0.03536 * t * t) * kArcsec) * kRad;
    double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsec * kRad;
    double lambda0 = j2000.longitude * kRad;
    double beta0 = j2000.latitude * kRad;
    double a = std::cos(eta) * std::cos(beta0) * std::sin(bigPi - lambda0) -
               std::sin(eta) * std::sin(beta0);
    double b = std::cos(beta0) * std::cos(bigPi - lambda0);
    double c = std::cos(eta) * std::sin(beta0) +
               std::sin(eta) * std::cos(beta0) * std::sin(bigPi - lambda0);
    Ecliptic date;
    date.longitude = normalize360((p + bigPi - std::atan2(a, b)) / kRad);
    date.latitude = std::asin(c) / kRad;
    return date;
}

// libnova's solar and lunar positions are referred to the equinox of J2000.0, and its
// "apparent" solar longitude adds nutation but a vanishing aberration; both are reduced to the
// true equinox of date here.
double apparentSolarLongitude(double jde) {
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(jde, &sun);
    Ecliptic date = precessFromJ2000({sun.L, sun.B}, jde);
    ln_nutation nutation{};
    ln_get_nutation(jde, &nutation);
    double aberration = 20.4898 * kArcsec / sun.R;
    return normalize360(date.longitude + nutation.longitude - aberration);
}

double apparentLunarLongitude(double jde) {
    ln_lnlat_posn moon{};
    // Series terms below 1e-8 rad (0.002") are left out: the sum stays far inside ELP's own error.
    ln_get_lunar_ecl_coords(jde, &moon, 1e-8);
    Ecliptic date = precessFromJ2000({moon.lng, moon.lat}, jde);
    ln_nutation nutation{};
    ln_get_nutation(jde, &nutation);
    // The Moon is seen where it was about 1.3 s earlier: 0.7" back along its orbit.
    double lightTime = 0.7 * kArcsec;
    return normalize360(date.longitude + nutation.longitude - lightTime);
}

double newMoonNear(double jdeGuess) {
    auto elongation = [](double t) {
        return normalize180(apparentLunarLongitude(t) - apparentSolarLongitude(t));
    };
    return solveAngle(elongation, jdeGuess, 12.19);
}

double solarLongitudeNear(double longitude, double jdeGuess) {
    auto offset = [longitude](double t) {
        return normalize180(apparentSolarLongitude(t) - longitude);
    };
    return solveAngle(offset, jdeGuess, 0.9856);
}

}  // namespace sorvik::lunartable
