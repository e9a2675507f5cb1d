#pragma once

#include "board/Rods.h"
#include "exercises/Ordel.h"

#include <QColor>
#include <QLine>
#include <QPalette>
#include <QRect>
#include <Qt>

#include <algorithm>
#include <array>
#include <string_view>

// The fixed layout of the window. Places and sizes are kept in twips, the
// unit the window was designed in, and turned into pixels at 15 twips to the
// pixel. Nothing here follows the window's size.
namespace ordel::layout {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline QRect pixels(Twips t) {
    return {px(t.left), px(t.top), px(t.width), px(t.height)};
}

// The client area below the menu bar when the window opens.
inline constexpr int kClientWidth = 11550;
inline constexpr int kClientHeight = 6375;

struct Rgb {
    int red;
    int green;
    int blue;
};

inline QColor colour(Rgb c) {
    return {c.red, c.green, c.blue};
}

enum class BeadShape {
    Ellipse,   // filling its box
    Square,    // of a given side, centred in its box
    Circle,    // filling its (square) box
    Rectangle, // filling its box
};

// Everything that differs between the four rods on the window.
struct AddButtonLook {
    void (Ordel::*click)();
    std::string_view name;
    int left; // top and size are the same for all four
};

struct PressAreaLook {
    void (Ordel::*mouseDown)(int, int, int, int);
    std::string_view name;
    Twips place;
};

struct BeadsLook {
    std::string_view name;
    int firstLeft;  // left of column 0
    int columnStep; // from one column to the next
    int firstTop;   // top of row 0
    int rowStep;    // from one row to the next
    int width;      // of each bead's box
    int height;
    BeadShape shape;
    Qt::BrushStyle hatch;
    int squareSide = 0; // for BeadShape::Square only
    int gapRow = 0;     // rows from this one on stand gapExtra further down
    int gapExtra = 0;
};

struct AnswerLook {
    std::string_view name;
    int left; // top and size are the same for all four
};

struct RodLook {
    Rod rod;
    Rgb colour; // of the add button's face and of the beads
    AddButtonLook button;
    PressAreaLook area;
    BeadsLook beads;
    AnswerLook answer;
};

// Shared by the four add buttons and by the four answer boxes.
inline constexpr int kButtonTop = 1560;
inline constexpr int kButtonWidth = 2055;
inline constexpr int kButtonHeight = 615;
inline constexpr double kButtonPoints = 13.5;

inline constexpr int kAnswerTop = 6480;
inline constexpr int kAnswerWidth = 1215;
inline constexpr int kAnswerHeight = 675;
inline constexpr double kAnswerPoints = 24;

// One row per rod, in the order of kAllRods. The thousands rows stand 720
// apart except 840 between the third and the fourth. Qt's hatch brushes are
// the platform's standard 8-pixel patterns; BDiagPattern draws lines rising
// to the right.
inline constexpr auto kRodLooks = byRod<RodLook>({
    {.rod = Rod::Milhar,
     .colour = {255, 255, 0},
     .button = {.click = &Ordel::Comando_Milhar_Click, .name = "Comando_Milhar", .left = 360},
     .area = {.mouseDown = &Ordel::ImageMilhar_MouseDown,
              .name = "ImageMilhar",
              .place = {360, 2400, 2055, 3855}},
     .beads = {.name = "M",
               .firstLeft = 480,
               .columnStep = 480,
               .firstTop = 2520,
               .rowStep = 720,
               .width = 300,
               .height = 615,
               .shape = BeadShape::Ellipse,
               .hatch = Qt::CrossPattern,
               .gapRow = 3,
               .gapExtra = 120},
     .answer = {.name = "RespM", .left = 840}},
    {.rod = Rod::Centena,
     .colour = {0, 192, 0},
     .button = {.click = &Ordel::Comando_Centena_Click, .name = "Comando_Centena", .left = 2760},
     .area = {.mouseDown = &Ordel::ImageCentena_MouseDown,
              .name = "ImageCentena",
              .place = {2520, 2400, 2415, 3855}},
     .beads = {.name = "C",
               .firstLeft = 2640,
               .columnStep = 480,
               .firstTop = 2400,
               .rowStep = 480,
               .width = 375,
               .height = 495,
               .shape = BeadShape::Square,
               .hatch = Qt::DiagCrossPattern,
               .squareSide = 375},
     .answer = {.name = "RespC", .left = 3240}},
    {.rod = Rod::Dezena,
     .colour = {255, 0, 0},
     .button = {.click = &Ordel::Comando_Dezena_Click, .name = "Comando_Dezena", .left = 5400},
     .area = {.mouseDown = &Ordel::ImageDezena_MouseDown,
              .name = "ImageDezena",
              .place = {5160, 2400, 2535, 3735}},
     .beads = {.name = "D",
               .firstLeft = 5160,
               .columnStep = 360,
               .firstTop = 2520,
               .rowStep = 360,
               .width = 255,
               .height = 255,
               .shape = BeadShape::Circle,
               .hatch = Qt::CrossPattern},
     .answer = {.name = "RespD", .left = 5760}},
    {.rod = Rod::Unidade,
     .colour = {0, 0, 255},
     .button = {.click = &Ordel::Comando_Unidade_Click, .name = "Comando_Unidade", .left = 7920},
     .area = {.mouseDown = &Ordel::ImageUnidade_MouseDown,
              .name = "ImageUnidade",
              .place = {7800, 2280, 2535, 3975}},
     .beads = {.name = "U",
               .firstLeft = 7920,
               .columnStep = 240,
               .firstTop = 2520,
               .rowStep = 600,
               .width = 135,
               .height = 495,
               .shape = BeadShape::Rectangle,
               .hatch = Qt::BDiagPattern},
     .answer = {.name = "RespU", .left = 8520}},
});
static_assert(std::ranges::equal(kRodLooks, kAllRods, {}, &RodLook::rod),
              "kRodLooks has the rods' rows in the order of kAllRods");

constexpr Twips buttonBox(const RodLook& r) {
    return {r.button.left, kButtonTop, kButtonWidth, kButtonHeight};
}

constexpr Twips answerBox(const RodLook& r) {
    return {r.answer.left, kAnswerTop, kAnswerWidth, kAnswerHeight};
}

// The box of bead k (from 1) of a rod, in twips of the client area.
constexpr Twips beadBox(const RodLook& r, int bead) {
    const BeadsLook& b = r.beads;
    const int columns = info(r.rod).columns;
    const int row = (bead - 1) / columns;
    const int column = (bead - 1) % columns;
    const int gap = b.gapExtra > 0 && row >= b.gapRow ? b.gapExtra : 0;
    return {b.firstLeft + b.columnStep * column, b.firstTop + b.rowStep * row + gap, b.width,
            b.height};
}

// How a label keeps its place when its caption, and so its width, changes:
// by the point its text is aligned to.
enum class Anchor { Left, Centre, Right };

struct LabelLook {
    LabelId id;
    std::string_view name;
    int left; // at creation, with the creation caption
    int top;
    Anchor anchor;
    QPalette::ColorRole text;
};

inline constexpr double kLabelPoints = 24;

// Qt has no colour role for the desktop; the highlight colour is the
// scheme's accent and follows it in the same way.
inline constexpr auto kLabelLooks = oneRowEach<LabelLook, kAllLabels.size()>({
    {.id = LabelId::Legenda,
     .name = "Legenda",
     .left = 5280,
     .top = 0,
     .anchor = Anchor::Centre,
     .text = QPalette::Highlight},
    {.id = LabelId::Numero1,
     .name = "Numero1",
     .left = 4320,
     .top = 720,
     .anchor = Anchor::Right,
     .text = QPalette::ButtonText},
    {.id = LabelId::Numero2,
     .name = "Numero2",
     .left = 5280,
     .top = 720,
     .anchor = Anchor::Left,
     .text = QPalette::ButtonText},
    {.id = LabelId::Símbolo,
     .name = "Símbolo",
     .left = 4755,
     .top = 720,
     .anchor = Anchor::Centre,
     .text = QPalette::ButtonText},
    {.id = LabelId::Resultado,
     .name = "Resultado",
     .left = 8040,
     .top = 840,
     .anchor = Anchor::Left,
     .text = QPalette::ButtonText},
    {.id = LabelId::Label2,
     .name = "Label2",
     .left = 7215,
     .top = 840,
     .anchor = Anchor::Centre,
     .text = QPalette::ButtonText},
});
static_assert(std::ranges::equal(kLabelLooks, kAllLabels, {}, &LabelLook::id),
              "kLabelLooks has the labels' rows in the order of kAllLabels");

inline constexpr std::string_view kCheckName = "Cmd_Corrigir";
inline constexpr Twips kCheck{7680, 600, 2175, 735};
inline constexpr double kCheckPoints = 12;

// The frame's lines, element 0 to 8 of Line1, from (x1, y1) to (x2, y2).
struct TwipLine {
    int x1;
    int y1;
    int x2;
    int y2;
};

inline constexpr std::string_view kLinesName = "Line1";
inline constexpr int kLineWidth = 3; // pixels
inline constexpr std::array<TwipLine, 9> kLines{{
    {285, 2280, 10290, 2280},   // lower edge of the button band
    {285, 1440, 10290, 1440},   // top edge of the frame
    {2520, 1440, 2520, 7200},   // between thousands and hundreds
    {5040, 1440, 5040, 7200},   // between hundreds and tens
    {7725, 1440, 7725, 7200},   // between tens and units
    {10320, 1440, 10320, 7200}, // right edge of the frame
    {285, 6360, 10290, 6360},   // lower edge of the bead area
    {240, 7200, 10320, 7200},   // bottom edge of the frame
    {240, 1440, 240, 7200},     // left edge of the frame
}};

inline QLine pixels(TwipLine l) {
    return {px(l.x1), px(l.y1), px(l.x2), px(l.y2)};
}

// The order in which the controls are stacked, lowest first: every control
// of the client area, each once. The buttons and the answer boxes come last:
// they always stand over the labels, the press areas, the beads and the lines.
inline constexpr auto kStackingOrder = std::to_array<std::string_view>({
    "Legenda",
    "Resultado",
    "Label2",
    "Numero2",
    "Símbolo",
    "ImageMilhar",
    "ImageCentena",
    "ImageDezena",
    "ImageUnidade",
    "Numero1",
    "M",
    "C",
    "D",
    "U",
    "Line1",
    "Cmd_Corrigir",
    "RespM",
    "RespC",
    "RespD",
    "RespU",
    "Comando_Milhar",
    "Comando_Centena",
    "Comando_Dezena",
    "Comando_Unidade",
});

} // namespace ordel::layout
