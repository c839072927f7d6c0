#pragma once

#include <QRect>

#include <array>

// Where every control of the window sits, what it starts with, and how Tab reaches it.
// Sizes are in twips (1/1440 inch), as the window was drawn; 15 twips make one pixel at 96 dpi.

enum class ControlKind { Label, TextBox, Button };

struct ControlEntry {
    const char *name;
    ControlKind kind;
    QRect twips;
    const char *text;
    const char *toolTip;         // nullptr: no tooltip
    int tabIndex;                // labels hold one too, but never take the focus
    const char *buddy = nullptr; // the text box a heading names for screen readers
};

inline constexpr int twipsPerPixel = 15;
inline constexpr QSize clientTwips(2175, 1785);
inline constexpr QPoint clientOriginTwips(555, 5580);

constexpr QRect toPixels(QRect twips)
{
    return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
            twips.height() / twipsPerPixel};
}

// In stacking order, bottom first: the labels under everything else, and where text boxes and
// buttons overlap, the later one on top.
// clang-format off
inline constexpr std::array<ControlEntry, 12> controlTable{{
    // name           kind                  left  top   width height  text                tooltip                                   tab  heading of
    {"Label1",        ControlKind::Label,   {720,    0, 1455, 255}, "Amount of Ingots", nullptr,                                  5, "AnzIngots"},
    {"PreisIngot",    ControlKind::Label,   {0,      0,  735, 255}, "Price",            nullptr,                                  6, "GPIngot"},
    {"Kosten",        ControlKind::Label,   {0,    480, 1215, 255}, "Costs",            nullptr,                                 10, "KostenAusgabe"},
    {"Ggesamt",       ControlKind::Label,   {0,    960, 1215, 255}, "Total Costs",      nullptr,                                  9, "gkosten"},
    {"AnzIngots",     ControlKind::TextBox, {720,  240, 1455, 285}, "",                 "Enter Amount of Ingots here.",           1},
    {"Berechnen",     ControlKind::Button,  {1200, 480,  975, 375}, "Calculate",        "Calculate Price with Amount of Ingots",  2},
    {"KostenAusgabe", ControlKind::TextBox, {0,    720, 1215, 285}, "0 GP",             "Displays the current Costs.",            8},
    {"GPIngot",       ControlKind::TextBox, {0,    240,  735, 285}, "",                 "Enter Price here.",                      0},
    {"add",           ControlKind::Button,  {1200, 840,  975, 375}, "Add",              "Add Costs to Total Costs",               3},
    {"gkosten",       ControlKind::TextBox, {0,   1200, 1215, 285}, "0",                "Displays the Total Costs",               7},
    {"clear",         ControlKind::Button,  {1200, 1200, 975, 375}, "Reset",            "Resets all Datafields",                  4},
    {"About",         ControlKind::Button,  {0,   1560, 2175, 255}, "About",            "Displays Information about the Program", 11},
}};
// clang-format on
