// Time of one full ephemeris of the chart instant: sidereal time, Sun, Moon, planets
// (with Ceres and Vesta from "ASTEROID.TXT"), the minor body of "KOMET" and the rise, set
// and twilight times; and of its parts. Reads the shipped data/ folder.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/displayed_instant.h"
#include "core/ephemeris_report.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/rise_set.h"
#include "core/sun_moon.h"

namespace {

void UseDataDir() {
    static const bool done = [] {
        std::filesystem::current_path(POLARIDE_DATA_DIR);
        return true;
    }();
    (void)done;
}

void PlaceObserver(double instant) {
    Place().setLatitude(52.5);
    Place().longitudeDeg = 13.4;
    Place().zoneOffsetHours = 1.0;
    Shown().currentJD = instant;
    Shown().year = 2024;
    Shown().setInstantFrame(Place().longitudeDeg, instant);
}

void BM_FullEphemeris(benchmark::State& state) {
    UseDataDir();
    double t = 45350.75;
    for (auto _ : state) {
        const EphemerisReport r = ComputeEphemerisReport({t, 13.4, 52.5, 40.0, 1.0, {}});
        benchmark::DoNotOptimize(r.moonrise);
        t += 0.37;
    }
}
BENCHMARK(BM_FullEphemeris)->Unit(benchmark::kMicrosecond);

// What one chart redraw computes of the solar system (no rise and set searches).
void BM_ChartEphemeris(benchmark::State& state) {
    UseDataDir();
    double t = 45350.75;
    for (auto _ : state) {
        PlaceObserver(t);
        SunPosition(Shown().dynamicJD);
        SunForChart(Place(), Shown());
        MoonPosition(Shown().dynamicJD, Place(), Shown());
        PlanetPositions(Shown().dynamicJD, Place(), Shown());
        MinorBodyPosition(Shown().currentJD, Place(), Shown());
        benchmark::ClobberMemory();
        t += 0.37;
    }
}
BENCHMARK(BM_ChartEphemeris)->Unit(benchmark::kMicrosecond);

void BM_UranusSeries(benchmark::State& state) {
    double t = 45350.75;
    for (auto _ : state) {
        const UranusLBR u = UranusHeliocentric(t);
        benchmark::DoNotOptimize(u.r);
        t += 0.37;
    }
}
BENCHMARK(BM_UranusSeries)->Unit(benchmark::kMicrosecond);

void BM_PlanetPositions(benchmark::State& state) {
    UseDataDir();
    PlaceObserver(45350.75);
    SunPosition(Shown().dynamicJD);
    for (auto _ : state) {
        PlanetPositions(Shown().dynamicJD, Place(), Shown());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlanetPositions)->Unit(benchmark::kMicrosecond);

void BM_SunMoonMinorBody(benchmark::State& state) {
    UseDataDir();
    PlaceObserver(45350.75);
    for (auto _ : state) {
        SunPosition(Shown().dynamicJD);
        SunForChart(Place(), Shown());
        MoonPosition(Shown().dynamicJD, Place(), Shown());
        MinorBodyPosition(Shown().currentJD, Place(), Shown());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SunMoonMinorBody)->Unit(benchmark::kMicrosecond);

void BM_RiseSetTimes(benchmark::State& state) {
    PlaceObserver(45350.75);
    for (auto _ : state) {
        for (double h0 : {kSunriseAltitudeDeg, kCivilTwilightDeg, kNauticalTwilightDeg,
                          kAstronomicalTwilightDeg}) {
            benchmark::DoNotOptimize(SunRiseSet(h0, Place(), Shown().currentJD).rising);
        }
        benchmark::DoNotOptimize(MoonRiseSet(Place(), Shown().currentJD, Shown().year).rising);
    }
}
BENCHMARK(BM_RiseSetTimes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
