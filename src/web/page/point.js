// P, "Zkoumat bod": a marker on the detector line of the next run's settings and, over the
// board, what the class reads at that point: the rays from the open holes, the arrows that turn
// there, four times their run size, and the readout's numbers. The module decides all of it for
// the marker's row; this room paints it on a canvas of its own above the board, as the theory
// marks are, so that the board's picture never holds it. The marker is a control of its own, a
// slider along the detector line whose value assistive technology reads as the readout: the
// keyboard moves it while it has the focus, and a press, a tap or a drag on the line puts it
// there. Off at start-up, hidden while a run plays; the row it was left at is kept.
function createPoint(design, api, board, client, { running, sound, firstControl }) {
    const canvas = element("canvas", { id: "point-marks", "aria-hidden": "true" });
    place(canvas, [0, 0, design.width, design.height]);
    const [topRow, bottomRow] = design.point.rows;
    const marker = element("div", {
        id: "point",
        role: "slider",
        tabindex: "0",
        "aria-label": design.point.name,
        "aria-orientation": "vertical",
        "aria-valuemin": topRow,
        "aria-valuemax": bottomRow,
    });
    canvas.hidden = true;
    marker.hidden = true;
    client.append(canvas, marker);

    let on = false;
    let row = design.point.initialRow;
    let line = null; // the box of the detector line that the marker lies over
    let returnTo = null; // where the focus was when the marker took it
    let drag = null; // the pointer that drags the marker
    let shownFor = null; // the marks painted, as the module gave them

    function paint(marks) {
        const { context, ratio } = overBoard(canvas, board.size(), design.width);
        context.lineCap = "round";
        // An odd width of whole device pixels on whole pixels, as the board paints its lines.
        const offset = (lineWidth) => (Math.round(lineWidth * ratio) % 2 ? 0.5 / ratio : 0);
        for (const [x1, y1, x2, y2, colour, lineWidth] of marks.strokes) {
            const shift = offset(lineWidth);
            context.strokeStyle = colour;
            context.lineWidth = lineWidth;
            context.beginPath();
            context.moveTo(x1 + shift, y1 + shift);
            context.lineTo(x2 + shift, y2 + shift);
            context.stroke();
        }
        const [left, top, boxWidth] = marks.textBox;
        context.fillStyle = design.point.textColour;
        context.font = cssFont(design.point.font);
        context.textBaseline = "top";
        const metrics = context.measureText(marks.text);
        const lineHeight = Math.round(metrics.fontBoundingBoxAscent)
            + Math.round(metrics.fontBoundingBoxDescent);
        marks.text.split("\n").forEach((text, i) => {
            context.fillText(text, left, top + i * lineHeight, boxWidth);
        });
    }

    // Shown while on, no run plays and the settings give a readout, at the row it was left at.
    function refresh() {
        const marks = on && !running() ? api.pointMarks(row) : "null";
        const size = board.size().join();
        if (shownFor && shownFor.marks === marks && shownFor.size === size)
            return;
        shownFor = { marks, size };
        const shown = JSON.parse(marks);
        canvas.hidden = !shown;
        marker.hidden = !shown;
        if (!shown)
            return;
        paint(shown);
        line = shown.line;
        place(marker, line);
        marker.setAttribute("aria-valuenow", row);
        marker.setAttribute("aria-valuetext", shown.text);
    }

    function moveTo(moved) {
        if (moved < 0 || moved === row)
            return;
        row = moved;
        refresh();
        sound.pointMoved(row);
    }

    // Where a pointer is, in the client area's pixels. A drag keeps to the line, to the end of
    // the scan that it has gone beyond.
    function rowAt(input) {
        const shown = client.getBoundingClientRect();
        const scale = shown.width / design.width;
        const x = (input.clientX - shown.left) / scale;
        const y = (input.clientY - shown.top) / scale;
        if (drag === null)
            return api.pointRowAt(x, y);
        return api.pointRowAt(line[0] + line[2] / 2, Math.min(bottomRow, Math.max(topRow, y)));
    }

    function dragMarker(input) {
        if (input.type === "pointerdown") {
            focusOn(marker);
            moveTo(rowAt(input));
            drag = input.pointerId;
            // A press handled after a run may find its pointer gone already.
            try {
                marker.setPointerCapture(input.pointerId);
            } catch {
                // then the drag goes on while the pointer stays over the marker
            }
        } else if (input.type === "pointermove") {
            moveTo(rowAt(input));
        } else {
            drag = null;
        }
    }

    return {
        isOn: () => on,
        // Turned on, the marker takes the focus; turned off, it gives it back.
        toggle() {
            on = !on;
            if (on)
                returnTo = document.activeElement;
            refresh();
            if (on && !marker.hidden) {
                focusOn(marker);
            } else if (!on && (document.activeElement === marker
                               || document.activeElement === document.body)) {
                focusOn(returnTo && returnTo.isConnected && returnTo !== document.body
                    ? returnTo : firstControl());
            }
        },
        refresh,
        // After every control of the window.
        tabStops: [{ order: () => Infinity, element: () => (marker.hidden ? null : marker) }],
        wantsPointerMoves: () => drag !== null,
        handle(input) {
            const pointer = input.type.startsWith("pointer") || input.type === "lostpointercapture";
            if (pointer && (drag !== null || (input.type === "pointerdown"
                                              && input.target === marker))) {
                if (drag === null || input.pointerId === drag)
                    dragMarker(input);
                return true;
            }
            if (input.type === "click")
                return input.target === marker; // a click is its press, taken already
            if (input.type !== "keydown" || document.activeElement !== marker)
                return false;
            const moved = api.movedPointRow(row, input.key);
            moveTo(moved);
            return moved >= 0;
        },
    };
}
