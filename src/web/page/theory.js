// T, "Teorie": the formula's fringes marked over the board, on a canvas of their own above it,
// so that the board's picture (copied, saved, redrawn) never holds them. The module decides
// the marks for the settings as they are; this room only paints them, afresh when a setting or
// the board's pixels change. Off at start-up.
function createTheory(design, api, board, client) {
    const canvas = element("canvas", { id: "theory", "aria-hidden": "true" });
    place(canvas, [0, 0, design.width, design.height]);
    canvas.hidden = true;
    client.append(canvas);
    let shownFor = null; // the marks painted, as the module gave them

    // One pixel of the client area thick, on the device pixel row a line at y falls in, as the
    // desktop draws a thin line without smoothing.
    function paintLines(context, lines, colour, ratio) {
        context.fillStyle = colour;
        for (const [left, right, y] of lines)
            context.fillRect(left, Math.floor(y * ratio) / ratio, right - left, 1);
    }

    function paint(marks) {
        const [width, height] = board.size();
        canvas.width = width;
        canvas.height = height;
        const ratio = width / design.width;
        const context = canvas.getContext("2d");
        context.setTransform(ratio, 0, 0, ratio, 0, 0);
        paintLines(context, marks.dark, design.theory.dark, ratio);
        paintLines(context, marks.bright, design.theory.bright, ratio);
        context.fillStyle = design.theory.bright;
        context.font = cssFont(design.theory.font);
        context.textBaseline = "middle";
        for (const { box: [left, top, boxWidth, boxHeight], text } of marks.labels)
            context.fillText(text, left, top + boxHeight / 2, boxWidth);
    }

    function refresh() {
        if (canvas.hidden)
            return;
        const marks = api.theoryMarks();
        const size = board.size().join();
        if (shownFor && shownFor.marks === marks && shownFor.size === size)
            return;
        paint(JSON.parse(marks));
        shownFor = { marks, size };
    }

    return {
        isOn: () => !canvas.hidden,
        toggle() {
            canvas.hidden = !canvas.hidden;
            shownFor = null;
            refresh();
        },
        refresh,
    };
}
