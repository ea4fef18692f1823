#pragma once

#include <cstdint>

// Thermocouple types, indexed 0..8 in this order: K, S, J, N, T, E, R, B, C.
constexpr int ThermocoupleCount = 9;

// Flags bit: the type continues in ContinuationSegments[type].
constexpr uint8_t HasContinuation = 0x10;

// One stored value per 10 °C from FirstTemp to LastTemp inclusive.
// Temperatures are in tenths of °C; EMF in µV = Values[i] - Bias.
struct TThermoSegment {
    int32_t FirstTemp;
    int32_t LastTemp;
    const uint16_t* Values;
    int16_t Bias;
    uint8_t Flags;
};

// Generated into ThermoTables.cpp by tools/generate_thermo_tables.py.
extern const TThermoSegment PrimarySegments[ThermocoupleCount];
// Only entries whose primary has HasContinuation carry data; the rest are zero.
extern const TThermoSegment ContinuationSegments[ThermocoupleCount];
