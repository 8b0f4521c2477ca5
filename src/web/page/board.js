// The drawing board: a canvas at the screen's own pixels, the labels painted beneath what the
// runs draw. A run's steps are painted on it as they come. When the board is to be shown at
// another pixel ratio, it is redrawn on a canvas of its own, a slice at a time so that the page keeps
// answering, while the old picture stays shown, scaled; the new one then replaces it at once.
function createBoard(design, api, painter, client) {
    const canvas = element("canvas", {
        id: "board",
        role: "img",
        "aria-label": design.texts.drawingName,
        "aria-describedby": "board-description",
    });
    const description = element("div", { id: "board-description", class: "visually-hidden" });
    description.textContent = design.texts.emptyDrawingDescription;
    place(canvas, [0, 0, design.width, design.height]);
    client.append(canvas, description);

    // A canvas's 2D context with the client area's pixels as its unit.
    function contextOf(target) {
        const context = target.getContext("2d", { alpha: false });
        const scale = target.width / design.width;
        context.setTransform(scale, 0, 0, scale, 0, 0);
        context.lineCap = "round";
        context.lineJoin = "round";
        return context;
    }

    // What the module left to paint of a run in progress, painted now.
    function paintRunProgress() {
        painter.paint(contextOf(canvas), api.values(api.paintList()));
    }

    // The redraw. A canvas records what is painted on it and rasterises it later, in the same
    // task, at a cost that depends on the shapes (an impact dot costs far more than a line). So
    // each slice paints as many shapes as kept the slices before it near the target, its
    // rasterising forced at its end; it takes a few more after a quick slice, and far fewer
    // after a slow one.
    const steps = design.redrawSteps; // the codes of the redraw's steps
    const sliceTarget = 12; // milliseconds, far enough below the 50 that a busy machine may cost
    let shapesASlice = 200;
    let redrawn = null; // the canvas being redrawn, and its context
    let step = null; // the step being painted: its list and how far it has been painted
    let slicing = false;
    let whenShown = () => {};
    let redrawsShown = 0;

    function redrawSlice() {
        const started = performance.now();
        let shapes = shapesASlice;
        while (shapes > 0) {
            if (!step) {
                const next = api.nextRedrawStep();
                if (next !== steps.begin && next !== steps.drawRun) {
                    if (next === steps.show)
                        showRedrawn();
                    redrawn = null;
                    slicing = false;
                    whenShown();
                    return;
                }
                if (next === steps.begin)
                    redrawn = blankCanvas(api.redrawRatio());
                step = { list: api.paintList(), at: 0 };
            }
            const { at, painted } = painter.paint(redrawn.context, api.values(step.list), step.at,
                                                  shapes);
            step.at = at;
            shapes -= painted;
            if (step.at >= step.list.size)
                step = null;
        }
        redrawn.context.getImageData(0, 0, 1, 1);
        const took = performance.now() - started;
        const scaled = Math.round(shapesASlice * sliceTarget / Math.max(took, 1));
        shapesASlice = Math.max(10, Math.min(scaled, Math.round(shapesASlice * 1.25)));
        soon(redrawSlice);
    }

    function blankCanvas(ratio) {
        const made = document.createElement("canvas");
        made.width = Math.round(design.width * ratio);
        made.height = Math.round(design.height * ratio);
        return { canvas: made, context: contextOf(made) };
    }

    function showRedrawn() {
        ++redrawsShown;
        canvas.width = redrawn.canvas.width;
        canvas.height = redrawn.canvas.height;
        canvas.getContext("2d", { alpha: false }).drawImage(redrawn.canvas, 0, 0);
    }

    return {
        description,
        paintRunProgress,
        // The board is to be shown at this pixel ratio; a picture at another is redrawn.
        showAt(ratio) {
            if (api.showAt(ratio)) {
                redrawn = null;
                step = null;
            }
            this.redraw();
        },
        // Carries on with a redraw that is under way, if it is not being carried on already.
        redraw() {
            if (slicing || !api.redrawing())
                return;
            slicing = true;
            soon(redrawSlice);
        },
        // What to do once a redraw has ended, shown or given up.
        whenShown(then) {
            whenShown = then;
        },
        // The picture as it is shown, labels included, at the board's pixels, as a PNG.
        picture(then) {
            canvas.toBlob(then, "image/png");
        },
        size: () => [canvas.width, canvas.height],
        redrawsShown: () => redrawsShown,
        dataUrl: () => canvas.toDataURL("image/png"),
    };
}
