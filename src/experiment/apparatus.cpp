#include "apparatus.h"

#include "canvas/canvas.h"

#include <utility>

namespace lumorix {

namespace {

// Thin background-coloured rows, 30 pixels apart, from y = 1 to 571: a new run paints over the
// old picture rather than clearing it.
void drawBlankingRows(Canvas& canvas) {
    for (int y = 1; y <= 580; y += 30)
        canvas.drawLine(5, y, 800, y, colours::background);
}

double detectorXFor(const ParameterFields& fields) {
    return fields.number(ParameterField::nVzdalenost) + Apparatus::wallX;
}

// The holes in the wall just drawn, hole B's first. Background discs drawn with the wide pen open
// the black wall at the open holes; a covered hole is plugged with a black disc instead, and the
// which-path detector is a ring around each open hole, which its opening then leaves hollow.
void drawHoles(Canvas& canvas, const Apparatus& scene) {
    using A = Apparatus;
    const std::pair<double, bool> holes[] = {{scene.holeBY(), scene.holeBOpen()},
                                             {scene.holeAY(), scene.holeAOpen()}};
    if (!scene.holeAOpen() || !scene.holeBOpen()) {
        canvas.setFillColour(colours::foreground);
        for (const auto& [y, open] : holes) {
            if (!open)
                canvas.drawCircle(A::wallX, y, 3);
        }
    }
    if (scene.states.whichPath && (scene.holeAOpen() || scene.holeBOpen())) {
        canvas.setFillColour(colours::whichPath);
        for (const auto& [y, open] : holes) {
            if (open)
                canvas.drawCircle(A::wallX, y, 4, colours::whichPath);
        }
    }
    canvas.setFillColour(colours::background);
    for (const auto& [y, open] : holes) {
        if (open)
            canvas.drawCircle(A::wallX, y, 2, colours::background);
    }
}

} // namespace

void drawPatternAxis(Canvas& canvas) {
    using A = Apparatus;
    canvas.drawLine(A::screenX, A::screenTop, A::screenX, A::screenBottom);
}

Apparatus setUpApparatus(Canvas& canvas, const ParameterFields& fields, const RunStates& states) {
    using A = Apparatus;
    canvas.setScalePixels();
    drawBlankingRows(canvas);

    Apparatus scene{};
    scene.states = states;
    scene.detectorX = detectorXFor(fields);

    canvas.setFillColour(colours::white);
    canvas.setFillSolid();
    canvas.drawCircle(A::sourceX, A::axisY, 5);

    scene.holeOffset = fields.number(ParameterField::nOdchylka);
    canvas.drawLine(A::sourceX, A::axisY, A::wallX, scene.holeAY());
    canvas.drawLine(A::sourceX, A::axisY, A::wallX, scene.holeBY());

    canvas.setDrawWidth(2);
    canvas.drawLine(A::wallX, A::wallTop, A::wallX, A::wallBottom);
    drawHoles(canvas, scene);
    canvas.drawLine(scene.detectorX, A::wallBottom + 10, scene.detectorX, A::wallTop - 10);
    drawPatternAxis(canvas);
    canvas.setDrawWidth(1);
    canvas.drawLine(A::sourceX - 20, A::axisY, 750, A::axisY);

    scene.frequency = fields.number(ParameterField::nKmitocet);
    return scene;
}

Apparatus apparatusFor(const ParameterFields& fields, const RunStates& states) {
    return {detectorXFor(fields), fields.number(ParameterField::nOdchylka),
            fields.number(ParameterField::nKmitocet), states};
}

} // namespace lumorix
