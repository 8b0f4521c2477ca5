#include "label_placement.h"

#include "canvas/canvas.h"
#include "core/conversions.h"

namespace lumorix {

namespace {

using A = Apparatus;

void showAt(SceneLabels& labels, SceneLabel label, float left, float top) {
    labels.show(label);
    labels.setLeft(label, left);
    labels.setTop(label, top);
}

} // namespace

void placeLabels(Canvas& canvas, SceneLabels& labels, const ParameterFields& fields,
                 const Apparatus& scene) {
    drawPatternAxis(canvas);

    showAt(labels, SceneLabel::labClona, A::wallX - 40, A::wallTop - 10);
    showAt(labels, SceneLabel::labHustota, A::screenX - 60, A::screenTop + 50);

    // A numeric test, unlike the text matches of the scan: "01" is photon mode here too.
    const bool photonMode = fields.number(ParameterField::nInterference) == 1;
    const SceneLabel caption = photonMode ? SceneLabel::labPravde : SceneLabel::labInterObr;
    labels.hide(photonMode ? SceneLabel::labInterObr : SceneLabel::labPravde);
    showAt(labels, caption, A::screenX + 20, A::screenTop - 40);

    showAt(labels, SceneLabel::labZdroj, A::sourceX - 30, A::axisY + 10);
    showAt(labels, SceneLabel::labDetektor, toSingle(scene.detectorX), A::wallTop - 40);
    showAt(labels, SceneLabel::labA, A::wallX - 30, toSingle(A::axisY - 35 - scene.holeOffset));
    showAt(labels, SceneLabel::labB, A::wallX - 30, toSingle(scene.holeBY() + 20));
}

} // namespace lumorix
