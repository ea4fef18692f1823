#!/usr/bin/env python3
"""Writes thermo/ThermoTables.cpp, the compiled-in EMF tables of the nine thermocouple types.

Sources of the values (EMF in µV at every 10 °C, reference junction at 0 °C):
  K, S, J, N, T, E, R, B  ITS-90 thermocouple reference functions of NIST Monograph 175
                          (G. W. Burns et al., 1993), as published in the NIST ITS-90
                          Thermocouple Database (NIST SRD 60, file allcoeff.tab); the same
                          functions as IEC 60584-1. Evaluated in mV, times 1000, rounded to
                          the nearest µV.
  S, R at 1770 °C         above the functions' 1768.1 °C limit; fixed values below.
  C                       this program's own table, below.

Each stored value is EMF + Bias and must fit in uint16_t; the generator refuses otherwise.

Usage: generate_thermo_tables.py [OUTPUT]
OUTPUT defaults to thermo/ThermoTables.cpp in the source tree.
"""

import decimal
import sys
from fractions import Fraction
from pathlib import Path

# Coefficients c0, c1, ... of E = sum(c_i * t^i), E in mV, t in °C, per sub-range (first °C,
# last °C). Copied digit for digit from NIST allcoeff.tab.
ITS90 = {
    "B": [
        ("0.000", "630.615", [
            "0.000000000000E+00", "-0.246508183460E-03", "0.590404211710E-05",
            "-0.132579316360E-08", "0.156682919010E-11", "-0.169445292400E-14",
            "0.629903470940E-18"]),
        ("630.615", "1820.000", [
            "-0.389381686210E+01", "0.285717474700E-01", "-0.848851047850E-04",
            "0.157852801640E-06", "-0.168353448640E-09", "0.111097940130E-12",
            "-0.445154310330E-16", "0.989756408210E-20", "-0.937913302890E-24"]),
    ],
    "E": [
        ("-270.000", "0.000", [
            "0.000000000000E+00", "0.586655087080E-01", "0.454109771240E-04",
            "-0.779980486860E-06", "-0.258001608430E-07", "-0.594525830570E-09",
            "-0.932140586670E-11", "-0.102876055340E-12", "-0.803701236210E-15",
            "-0.439794973910E-17", "-0.164147763550E-19", "-0.396736195160E-22",
            "-0.558273287210E-25", "-0.346578420130E-28"]),
        ("0.000", "1000.000", [
            "0.000000000000E+00", "0.586655087100E-01", "0.450322755820E-04",
            "0.289084072120E-07", "-0.330568966520E-09", "0.650244032700E-12",
            "-0.191974955040E-15", "-0.125366004970E-17", "0.214892175690E-20",
            "-0.143880417820E-23", "0.359608994810E-27"]),
    ],
    "J": [
        ("-210.000", "760.000", [
            "0.000000000000E+00", "0.503811878150E-01", "0.304758369300E-04",
            "-0.856810657200E-07", "0.132281952950E-09", "-0.170529583370E-12",
            "0.209480906970E-15", "-0.125383953360E-18", "0.156317256970E-22"]),
        ("760.000", "1200.000", [
            "0.296456256810E+03", "-0.149761277860E+01", "0.317871039240E-02",
            "-0.318476867010E-05", "0.157208190040E-08", "-0.306913690560E-12"]),
    ],
    "K": [
        ("-270.000", "0.000", [
            "0.000000000000E+00", "0.394501280250E-01", "0.236223735980E-04",
            "-0.328589067840E-06", "-0.499048287770E-08", "-0.675090591730E-10",
            "-0.574103274280E-12", "-0.310888728940E-14", "-0.104516093650E-16",
            "-0.198892668780E-19", "-0.163226974860E-22"]),
        ("0.000", "1372.000", [
            "-0.176004136860E-01", "0.389212049750E-01", "0.185587700320E-04",
            "-0.994575928740E-07", "0.318409457190E-09", "-0.560728448890E-12",
            "0.560750590590E-15", "-0.320207200030E-18", "0.971511471520E-22",
            "-0.121047212750E-25"]),
    ],
    "N": [
        ("-270.000", "0.000", [
            "0.000000000000E+00", "0.261591059620E-01", "0.109574842280E-04",
            "-0.938411115540E-07", "-0.464120397590E-10", "-0.263033577160E-11",
            "-0.226534380030E-13", "-0.760893007910E-16", "-0.934196678350E-19"]),
        ("0.000", "1300.000", [
            "0.000000000000E+00", "0.259293946010E-01", "0.157101418800E-04",
            "0.438256272370E-07", "-0.252611697940E-09", "0.643118193390E-12",
            "-0.100634715190E-14", "0.997453389920E-18", "-0.608632456070E-21",
            "0.208492293390E-24", "-0.306821961510E-28"]),
    ],
    "R": [
        ("-50.000", "1064.180", [
            "0.000000000000E+00", "0.528961729765E-02", "0.139166589782E-04",
            "-0.238855693017E-07", "0.356916001063E-10", "-0.462347666298E-13",
            "0.500777441034E-16", "-0.373105886191E-19", "0.157716482367E-22",
            "-0.281038625251E-26"]),
        ("1064.180", "1664.500", [
            "0.295157925316E+01", "-0.252061251332E-02", "0.159564501865E-04",
            "-0.764085947576E-08", "0.205305291024E-11", "-0.293359668173E-15"]),
        ("1664.500", "1768.100", [
            "0.152232118209E+03", "-0.268819888545E+00", "0.171280280471E-03",
            "-0.345895706453E-07", "-0.934633971046E-14"]),
    ],
    "S": [
        ("-50.000", "1064.180", [
            "0.000000000000E+00", "0.540313308631E-02", "0.125934289740E-04",
            "-0.232477968689E-07", "0.322028823036E-10", "-0.331465196389E-13",
            "0.255744251786E-16", "-0.125068871393E-19", "0.271443176145E-23"]),
        ("1064.180", "1664.500", [
            "0.132900444085E+01", "0.334509311344E-02", "0.654805192818E-05",
            "-0.164856259209E-08", "0.129989605174E-13"]),
        ("1664.500", "1768.100", [
            "0.146628232636E+03", "-0.258430516752E+00", "0.163693574641E-03",
            "-0.330439046987E-07", "-0.943223690612E-14"]),
    ],
    "T": [
        ("-270.000", "0.000", [
            "0.000000000000E+00", "0.387481063640E-01", "0.441944343470E-04",
            "0.118443231050E-06", "0.200329735540E-07", "0.901380195590E-09",
            "0.226511565930E-10", "0.360711542050E-12", "0.384939398830E-14",
            "0.282135219250E-16", "0.142515947790E-18", "0.487686622860E-21",
            "0.107955392700E-23", "0.139450270620E-26", "0.797951539270E-30"]),
        ("0.000", "400.000", [
            "0.000000000000E+00", "0.387481063640E-01", "0.332922278800E-04",
            "0.206182434040E-06", "-0.218822568460E-08", "0.109968809280E-10",
            "-0.308157587720E-13", "0.454791352900E-16", "-0.275129016730E-19"]),
    ],
}

# Type K's sub-range from 0 °C adds a0 * exp(a1 * (t - a2)^2) (mV).
K_EXPONENTIAL = ("0.118597600000E+00", "-0.118343200000E-03", "0.126968600000E+03")

# EMF in µV at grid points beyond the reference functions' range.
FIXED_EMF = {
    ("S", 1770): 18714,
    ("R", 1770): 21125,
}

# Type C, µV, rows of 100 °C starting at 1000 °C, columns +0 .. +90 °C.
TYPE_C_FIRST = 1000
TYPE_C_ROWS = [
    [18257, 18440, 18623, 18805, 18987, 19168, 19349, 19529, 19709, 19888],
    [20066, 20244, 20421, 20598, 20774, 20950, 21125, 21299, 21473, 21647],
    [21819, 21991, 22163, 22334, 22504, 22674, 22843, 23012, 23180, 23347],
    [23514, 23680, 23846, 24010, 24175, 24339, 24502, 24664, 24826, 24988],
    [25148, 25308, 25468, 25627, 25785, 25943, 26100, 26256, 26412, 26568],
    [26722, 26876, 27030, 27183, 27335, 27486, 27637, 27788, 27938, 28087],
    [28236, 28384, 28531, 28678, 28824, 28969, 29114, 29259, 29402, 29546],
    [29688, 29830, 29971, 30112, 30252, 30391, 30530, 30668, 30805, 30942],
    [31078, 31214, 31349, 31483, 31617, 31749, 31882, 32013, 32144, 32274],
    [32404, 32533, 32661, 32788, 32915, 33041, 33166, 33291, 33415, 33538],
    [33660, 33782, 33902, 34022, 34142, 34260, 34378, 34494, 34610, 34725],
    [34839, 34953, 35065, 35177, 35288, 35397, 35506, 35614, 35721, 35827],
    [35932, 36036, 36138, 36240, 36341, 36441, 36539, 36637, 36733, 36828],
    [36922, 37015, 37107],
]

# Types in table order, each: letter, primary (first °C, last °C, bias), continuation or None.
LAYOUT = [
    ("K", (-270, 1370, 10000), None),
    ("S", (-50, 1770, 1000), None),
    ("J", (-210, 800, 10000), (800, 1200, -10000)),
    ("N", (-270, 1300, 10000), None),
    ("T", (-270, 400, 10000), None),
    ("E", (-270, 700, 10000), (700, 1000, -20000)),
    ("R", (-50, 1770, 10000), None),
    ("B", (50, 1820, 0), None),
    ("C", (1000, 2320, 0), None),
]

# A grid value this close (µV) to a rounding tie would depend on evaluation error.
TIE_MARGIN = Fraction(1, 10**6)

HEADER = """\
// Generated by tools/generate_thermo_tables.py; do not edit, re-run the generator.
// ITS-90 reference functions (NIST Monograph 175) for K, S, J, N, T, E, R, B; own table for C.
// EMF in µV = stored value - Bias; one value per 10 °C."""


class RefusedError(Exception):
    pass


def its90_microvolts(letter, t):
    """EMF in µV (exact rational) at integer t °C, from every sub-range that contains t."""
    results = []
    for first, last, coefficients in ITS90[letter]:
        if not Fraction(first) <= t <= Fraction(last):
            continue
        millivolts = sum(Fraction(c) * Fraction(t) ** i for i, c in enumerate(coefficients))
        if letter == "K" and Fraction(first) == 0:
            with decimal.localcontext() as context:
                context.prec = 60
                a0, a1, a2 = (decimal.Decimal(a) for a in K_EXPONENTIAL)
                millivolts += Fraction(a0 * (a1 * (t - a2) ** 2).exp())
        results.append(millivolts * 1000)
    return results


def round_microvolts(exact, letter, t):
    floor = exact.numerator // exact.denominator
    remainder = exact - floor
    if abs(remainder - Fraction(1, 2)) < TIE_MARGIN:
        raise RefusedError(f"type {letter} at {t} °C: {float(exact)} µV is too close to a rounding tie")
    return floor + (1 if remainder > Fraction(1, 2) else 0)


def emf_microvolts(letter, t):
    if (letter, t) in FIXED_EMF:
        return FIXED_EMF[(letter, t)]
    if letter == "C":
        offset = t - TYPE_C_FIRST
        row, column = divmod(offset // 10, 10)
        if offset < 0 or offset % 10 or row >= len(TYPE_C_ROWS) or column >= len(TYPE_C_ROWS[row]):
            raise RefusedError(f"type C has no value at {t} °C")
        return TYPE_C_ROWS[row][column]
    values = {round_microvolts(exact, letter, t) for exact in its90_microvolts(letter, t)}
    if not values:
        raise RefusedError(f"type {letter} has no reference function at {t} °C")
    if len(values) > 1:
        raise RefusedError(f"type {letter} at {t} °C: adjoining sub-ranges disagree: {sorted(values)}")
    return values.pop()


def stored_values(letter, first, last, bias):
    if not -32768 <= bias <= 32767:
        raise RefusedError(f"type {letter}: bias {bias} does not fit in int16_t")
    stored = []
    for t in range(first, last + 1, 10):
        value = emf_microvolts(letter, t) + bias
        if not 0 <= value <= 65535:
            raise RefusedError(f"type {letter} at {t} °C: stored value {value} is outside 0..65535")
        stored.append(value)
    return stored


def array_name(letter, is_continuation):
    return f"Values{letter}{'High' if is_continuation else ''}"


def with_aligned_comments(codes, comments):
    """Lines of code with trailing comments in one column, as clang-format lays them out."""
    column = max(len(code) for code in codes) + 1
    return [f"{code.ljust(column)}// {comment}" for code, comment in zip(codes, comments)]


def emit_array(lines, letter, segment, is_continuation):
    first, last, bias = segment
    values = stored_values(letter, first, last, bias)
    name = array_name(letter, is_continuation)
    # One row per 100 °C; clang-format pads each column to its widest cell.
    rows = [[f"{v}," for v in values[start:start + 10]] for start in range(0, len(values), 10)]
    widths = [max(len(row[j]) for row in rows if j < len(row)) for j in range(len(rows[0]))]
    codes = ["    " + " ".join(cell.ljust(widths[j]) for j, cell in enumerate(row)) for row in rows]
    row_length = max(len(code) for code in codes)
    codes = [code.ljust(row_length) for code in codes]
    comments = [f"{first + 100 * i} °C" for i in range(len(rows))]
    lines.append(f"// Type {letter}, {first}..{last} °C, Bias {bias}.")
    lines.append(f"const uint16_t {name}[] = {{")
    lines += with_aligned_comments(codes, comments)
    lines.append("};")
    lines.append(f"static_assert(std::size({name}) == {len(values)});")
    lines.append("")


def segment_initializer(letter, segment, is_continuation, flags):
    first, last, bias = segment
    name = array_name(letter, is_continuation)
    return f"    {{{first * 10}, {last * 10}, {name}, {bias}, {flags}}},"


def generate():
    lines = [HEADER, '#include "ThermoTables.h"', "", "#include <iterator>", "", "namespace {", ""]
    for letter, primary, continuation in LAYOUT:
        emit_array(lines, letter, primary, False)
        if continuation is not None:
            if continuation[0] != primary[1]:
                raise RefusedError(f"type {letter}: continuation must start where the primary ends")
            emit_array(lines, letter, continuation, True)
    lines += ["} // namespace", ""]

    letters = [letter for letter, _, _ in LAYOUT]
    lines.append("const TThermoSegment PrimarySegments[ThermocoupleCount] = {")
    codes = []
    for letter, primary, continuation in LAYOUT:
        flags = "HasContinuation" if continuation is not None else "0"
        codes.append(segment_initializer(letter, primary, False, flags))
    lines += with_aligned_comments(codes, letters)
    lines += ["};", ""]

    lines.append("const TThermoSegment ContinuationSegments[ThermocoupleCount] = {")
    codes = []
    for letter, primary, continuation in LAYOUT:
        if continuation is None:
            codes.append("    {0, 0, nullptr, 0, 0},")
        else:
            codes.append(segment_initializer(letter, continuation, True, "0"))
    lines += with_aligned_comments(codes, letters)
    lines += ["};", ""]
    return "\n".join(lines)


def main(argv):
    if len(argv) > 2:
        print(__doc__, file=sys.stderr)
        return 2
    output = Path(argv[1]) if len(argv) == 2 else Path(__file__).resolve().parent.parent / "thermo" / "ThermoTables.cpp"
    try:
        text = generate()
    except RefusedError as error:
        print(f"{Path(argv[0]).name}: refused: {error}", file=sys.stderr)
        return 1
    output.write_text(text, encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
