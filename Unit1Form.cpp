#include "Unit1Form.h"

#include "ThermoExpand.h"

#include <string>

void AddSeries(chart::Chart& chart, std::span<const win32::SeriesProperties> series) {
    for (const win32::SeriesProperties& properties : series)
        chart.AddSeries(std::string(properties.Title), properties.Colour);
}

void FillCharacteristics(chart::Chart& chart) {
    for (int type = 0; type < ThermocoupleCount; ++type) {
        chart::Series& series = chart.SeriesAt(static_cast<std::size_t>(type));
        for (const TThermoPoint& point : ExpandThermocouple(type))
            series.AddXY(point.Temperature, point.Emf);
    }
}
