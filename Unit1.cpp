#include "Unit1.h"

#include "TestVariant.h"
#include "Unit1Form.h"
#include "chart/ChartPrint.h"
#include "win32/Printer.h"
#include "win32/Utf8.h"

#include <shellapi.h>

#include <array>
#include <string>

TForm1* Form1 = nullptr;

namespace {

// The members that name the chart's series, in the chart's order.
constexpr std::array<chart::Series * TForm1::*, ThermocoupleCount> SeriesMembers{
    &TForm1::Series3, &TForm1::Series4, &TForm1::Series5,  &TForm1::Series6,  &TForm1::Series7,
    &TForm1::Series8, &TForm1::Series9, &TForm1::Series10, &TForm1::Series11,
};

} // namespace

TForm1::TForm1() : win32::Form(Form1Description.Form1) {
    const TForm1Description& form = Form1Description;
    Chart2.Create(*this, form.Chart2);
    AddSeries(Chart2.Chart(), form.Series);
    // Named only once all are added: adding a series may move the earlier ones.
    for (std::size_t i = 0; i < SeriesMembers.size(); ++i)
        this->*SeriesMembers[i] = &Chart2.Chart().SeriesAt(i);
    Button1.Create(Chart2, form.Button1);
    Button1.OnClick = [this](win32::Button& sender) {
        Button1Click(sender);
    };
    Image1.Create(Chart2, form.Image1);
    Image1.OnClick = [this](win32::Image& sender) {
        Image1Click(sender);
    };
    SetActiveControl(Button1);
    Chart2.OnPainted = [](chart::Canvas&) {
        test_variant::ChartPainted();
    };

    FillCharacteristics(Chart2.Chart());
    test_variant::FormConstructed();
}

void TForm1::Button1Click(win32::Button&) {
    test_variant::ButtonClicked();
    chart::RunPrintCommand(
        Chart2.Chart(), Chart2.ClientSize(), [this] { return PrintDialog1.Execute(Handle()); },
        win32::Printer::Instance());
}

// The shell opens the site in the user's browser. Its result is ignored: it reports success even when
// nothing could open the address, and whatever the shell shows about a failure is the system's.
void TForm1::Image1Click(win32::Image&) {
    const std::wstring address = win32::Widen(MakerWebAddress);
    ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
