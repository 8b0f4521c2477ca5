#include "apparatus.h"

#include "canvas/canvas.h"

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

} // namespace

void drawPatternAxis(Canvas& canvas) {
    using A = Apparatus;
    canvas.drawLine(A::screenX, A::screenTop, A::screenX, A::screenBottom);
}

Apparatus setUpApparatus(Canvas& canvas, const ParameterFields& fields) {
    using A = Apparatus;
    canvas.setScalePixels();
    drawBlankingRows(canvas);

    Apparatus scene{};
    scene.detectorX = detectorXFor(fields);

    canvas.setFillColour(colours::white);
    canvas.setFillSolid();
    canvas.drawCircle(A::sourceX, A::axisY, 5);

    scene.holeOffset = fields.number(ParameterField::nOdchylka);
    canvas.drawLine(A::sourceX, A::axisY, A::wallX, scene.holeAY());
    canvas.drawLine(A::sourceX, A::axisY, A::wallX, scene.holeBY());

    canvas.setDrawWidth(2);
    canvas.drawLine(A::wallX, A::wallTop, A::wallX, A::wallBottom);
    // Background discs drawn with the wide pen open the black wall at the holes.
    canvas.setFillColour(colours::background);
    canvas.drawCircle(A::wallX, scene.holeBY(), 2, colours::background);
    canvas.drawCircle(A::wallX, scene.holeAY(), 2, colours::background);
    canvas.drawLine(scene.detectorX, A::wallBottom + 10, scene.detectorX, A::wallTop - 10);
    drawPatternAxis(canvas);
    canvas.setDrawWidth(1);
    canvas.drawLine(A::sourceX - 20, A::axisY, 750, A::axisY);

    scene.frequency = fields.number(ParameterField::nKmitocet);
    return scene;
}

Apparatus apparatusFor(const ParameterFields& fields) {
    return {detectorXFor(fields), fields.number(ParameterField::nOdchylka),
            fields.number(ParameterField::nKmitocet)};
}

} // namespace lumorix
