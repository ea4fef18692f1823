#!/usr/bin/python3
"""The same chart drawn by matplotlib (Agg): what a user would pick instead of our chart engine.

Draws the nine characteristics with the same axes, grid, legend and titles at the given pixel sizes
and prints the median time of a full draw, one line per size:  matplotlib WIDTHxHEIGHT MEDIAN_MS
Usage: matplotlib_chart.py [--repeat N] [--png DIR] WIDTHxHEIGHT ...
"""
import argparse
import pathlib
import statistics
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.ticker import FuncFormatter  # noqa: E402

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tools"))
import generate_thermo_tables as tables  # noqa: E402

COLOURS = ["#ff0000", "#008000", "#ffff00", "#0000ff", "#00ff00", "#808080", "#ff00ff", "#008080", "#000080"]
DPI = 96


def characteristics():
    for letter, primary, continuation in tables.LAYOUT:
        points = []
        for first, last, _bias in filter(None, (primary, continuation)):
            points += [(t, tables.emf_microvolts(letter, t)) for t in range(first, last + 1, 10)]
        yield letter, points


def thousands(value, _position):
    return f"{value:,.3f}".rstrip("0").rstrip(".").replace(",", "\u00a0")


def make_figure(width, height, series):
    figure = plt.figure(figsize=(width / DPI, height / DPI), dpi=DPI)
    axes = figure.add_subplot()
    for (letter, points), colour in zip(series, COLOURS):
        axes.plot([t for t, _ in points], [e for _, e in points], color=colour, linewidth=3 * 72 / DPI, label=letter)
    axes.margins(0)
    axes.grid(True, color="#808080", linestyle=":", linewidth=72 / DPI)
    axes.xaxis.set_major_formatter(FuncFormatter(thousands))
    axes.yaxis.set_major_formatter(FuncFormatter(thousands))
    axes.set_xlabel("Teplota [°C]", fontname="Liberation Sans", fontsize=8)
    axes.set_ylabel("Napětí [uV]", fontname="Liberation Sans", fontsize=8)
    axes.set_title("Charakteristiky termočlánků", fontname="Liberation Sans", fontweight="bold", fontsize=10)
    axes.legend(loc="lower center", ncol=9, bbox_to_anchor=(0.55, -0.25), fontsize=8, frameon=True)
    figure.text(0.5, 0.01, "Levé tlačítko myši = Zoom / Unzoom," + " " * 32 + "Pravé tlačítko myši = uchopení a posun",
                ha="center", fontstyle="italic", fontsize=8)
    figure.tight_layout()
    return figure


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--repeat", type=int, default=30)
    parser.add_argument("--png", type=pathlib.Path)
    parser.add_argument("sizes", nargs="+")
    arguments = parser.parse_args()
    series = list(characteristics())
    for size in arguments.sizes:
        width, height = map(int, size.split("x"))
        figure = make_figure(width, height, series)
        figure.canvas.draw()  # warm-up: font cache, layout
        times = []
        for _ in range(arguments.repeat):
            start = time.perf_counter()
            figure.canvas.draw()
            times.append((time.perf_counter() - start) * 1000)
        if arguments.png:
            figure.savefig(arguments.png / f"matplotlib-{size}.png", dpi=DPI)
        plt.close(figure)
        print(f"matplotlib {size} {statistics.median(times):.3f}")


if __name__ == "__main__":
    main()
