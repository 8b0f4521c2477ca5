// The drawing board: a canvas at the screen's own pixels, the labels painted beneath what the
// runs draw. A run's steps are painted on it as they come. When the board is to be shown at
// another pixel ratio, it is redrawn on a canvas of its own, a slice at a time so that the page keeps
// answering, while the old picture stays shown, scaled; the new one then replaces it at once.
function createBoard(design, api, painter, stamps, client) {
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

    // A canvas's 2D context with the client area's pixels as its unit. The script reads its
    // pixels, and writes them (raster.js), so the browser keeps them in memory.
    function contextOf(target) {
        const context = target.getContext("2d", { alpha: false, willReadFrequently: true });
        return painter.prepare(context, target.width / design.width);
    }
    // The board's pixels, for the stamps; made anew when the board changes its size.
    let raster = null;
    function boardRaster() {
        if (!raster || raster.width !== canvas.width || raster.height !== canvas.height)
            raster = createRaster(canvas, contextOf(canvas));
        return raster;
    }

    // What the module left to paint of a run in progress, painted now.
    function paintRunProgress() {
        stamps.paint(boardRaster(), api.paintList());
    }

    // What the run in progress will need of the board's stamps, to learn while it pauses.
    function learnRunAhead() {
        return stamps.learnAhead(boardRaster(), () => {
            api.runDrawing();
            return api.paintList();
        });
    }

    // The redraw. A canvas records what is painted on it and rasterises it later, in the same
    // task, at a cost that depends on the shapes (a label costs far more than a stamp). So each
    // slice paints as many shapes as kept the slices before it near the target, its rasterising
    // forced at its end; it takes a few more after a quick slice, and far fewer after a slow
    // one. The stamps a run needs that the new pixel ratio has not learnt yet are learnt ahead,
    // in slices of their own.
    const steps = design.redrawSteps; // the codes of the redraw's steps
    const sliceTarget = 12; // milliseconds, far enough below the 50 that a busy machine may cost
    let shapesASlice = 200;
    let redrawn = null; // the picture being redrawn, a raster of a canvas of its own
    let step = null; // the step being painted: its list and how far it has been painted
    let slicing = false;
    let whenShown = () => {};
    let redrawsShown = 0;

    function redrawSlice() {
        const started = performance.now();
        let shapes = shapesASlice;
        while (shapes > 0 && performance.now() - started < sliceTarget) {
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
                const list = api.paintList();
                step = { list, at: 0, ahead: stamps.learnAhead(redrawn, () => list) };
            }
            if (!step.ahead.learn(started + sliceTarget))
                break;
            const { at, painted } = stamps.paint(redrawn, step.list, step.at, shapes, false);
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
        return createRaster(made, contextOf(made));
    }

    // The redrawn picture shown in place of the board's, its pixels the board's now.
    function showRedrawn() {
        ++redrawsShown;
        const image = redrawn.image();
        canvas.width = redrawn.width;
        canvas.height = redrawn.height;
        // The board's context, made here the first time, is the one its raster reads.
        const context = contextOf(canvas);
        context.save();
        context.resetTransform();
        context.drawImage(redrawn.canvas, 0, 0);
        context.restore();
        raster = createRaster(canvas, context, image);
    }

    return {
        description,
        paintRunProgress,
        learnRunAhead,
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
