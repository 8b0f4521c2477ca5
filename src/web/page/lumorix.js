// The page: the window's controls, built from the module's design; the drawing board, painted
// from the module's display lists; and the input, handled by the page's own handlers so that
// what arrives during a run can be held back and handled after it, in order, as if it had just
// arrived.
"use strict";

(async function () {
    // The module's wasm is in the page, so it is handed over rather than fetched.
    const wasm = document.getElementById("wasm");
    const module = await createLumorixModule({
        wasmBinary: Uint8Array.from(atob(wasm.textContent), (c) => c.charCodeAt(0)),
    });
    wasm.remove();
    const api = {
        design: module.cwrap("lumorix_design", "string", []),
        setField: module.cwrap("lumorix_set_field", null, ["number", "string"]),
        fieldText: module.cwrap("lumorix_field_text", "string", ["number"]),
        sliderChanged: module.cwrap("lumorix_slider_changed", null, ["number"]),
        start: module.cwrap("lumorix_start", "number", ["number"]),
        advance: module.cwrap("lumorix_advance", "number", ["number"]),
        redraw: module.cwrap("lumorix_redraw", null, []),
        paintData: module.cwrap("lumorix_paint_data", "number", []),
        paintSize: module.cwrap("lumorix_paint_size", "number", []),
        failureMessage: module.cwrap("lumorix_failure_message", "string", []),
        drawingDescription: module.cwrap("lumorix_drawing_description", "string", []),
        heapInUse: module.cwrap("lumorix_heap_in_use", "number", []),
        keepTrace: module.cwrap("lumorix_keep_trace", null, []),
        trace: module.cwrap("lumorix_trace", "string", []),
    };
    const design = JSON.parse(api.design());
    const texts = design.texts;

    const client = element("div", { id: "client" });
    document.body.append(client);
    document.title = design.title;

    // The drawing board: the labels beneath, the runs' drawing over them.

    const board = element("canvas", {
        id: "board",
        role: "img",
        "aria-label": texts.drawingName,
        "aria-describedby": "board-description",
    });
    const boardDescription = element("div", { id: "board-description", class: "visually-hidden" });
    boardDescription.textContent = texts.emptyDrawingDescription;
    client.append(board, boardDescription);
    let boardScale = 1;

    function cssColour(packed) {
        return `rgb(${packed & 0xff},${(packed >> 8) & 0xff},${(packed >> 16) & 0xff})`;
    }

    function cssFont(font) {
        const family = font.family.includes("Serif") ? "serif" : "sans-serif";
        return `${font.bold ? "bold " : ""}${font.size}px "${font.family}", ${family}`;
    }

    // A label's caption wrapped at word boundaries, with two pixels of slack, since the
    // substitute fonts set some captions a little wider than the design fonts did. Every label,
    // Label1 too, is painted on the window's grey, as the desktop paints them into its picture.
    const captionSlack = 2;
    function paintLabel(context, label, left, top, width, height) {
        context.save();
        context.beginPath();
        context.rect(left, top, width, height);
        context.clip();
        context.fillStyle = design.background;
        context.fillRect(left, top, width, height);
        context.fillStyle = "black";
        context.font = cssFont(label.font);
        const metrics = context.measureText(label.caption);
        const ascent = Math.round(metrics.fontBoundingBoxAscent);
        const lineHeight = ascent + Math.round(metrics.fontBoundingBoxDescent);
        const layoutWidth = width + captionSlack;
        const lines = [];
        for (const word of label.caption.split(" ")) {
            const joined = lines.length ? `${lines[lines.length - 1]} ${word}` : word;
            if (lines.length && context.measureText(joined).width <= layoutWidth)
                lines[lines.length - 1] = joined;
            else
                lines.push(word);
        }
        lines.forEach((line, i) => {
            const lineWidth = context.measureText(line).width;
            const x = label.centred ? left + (width - lineWidth) / 2 : left;
            context.fillText(line, x, top + ascent + i * lineHeight);
        });
        context.restore();
    }

    // Paints a display list: see src/web/display_list.h for its operations. The desktop paints
    // a pen of odd width in whole pixels right of and below its line; so do the lines here, which
    // keeps them from smearing over two rows of pixels. A colour's text is made once, and the
    // context is told a colour or width only when it changes: the browser parses every colour
    // it is given, thousands of times a run.
    const colourTexts = new Map();
    function colourText(packed) {
        let text = colourTexts.get(packed);
        if (text === undefined) {
            text = cssColour(packed);
            colourTexts.set(packed, text);
        }
        return text;
    }

    // It paints the whole list, or a slice of it: the operations from index from that begin
    // before index until, and tells the index it ended at. A row of circles begun before until is
    // painted to its end, since its two halves painted apart would differ from it where their
    // dots overlap; a slice that ends inside a clip leaves the clip on the context for the next.
    function paintList(context, values, from = 0, until = values.length) {
        const scale = context.getTransform().a;
        const offset = (width) => (Math.round(width * scale) % 2 ? 0.5 / scale : 0);
        let stroke, fill, lineWidth; // as last set here; undefined when unknown
        const setStroke = (packed) => {
            if (packed !== stroke)
                context.strokeStyle = colourText(stroke = packed);
        };
        const setFill = (packed) => {
            if (packed !== fill)
                context.fillStyle = colourText(fill = packed);
        };
        const setLineWidth = (width) => {
            if (width !== lineWidth)
                context.lineWidth = lineWidth = width;
        };
        const end = Math.min(until, values.length);
        let i = from;
        while (i < end) {
            switch (values[i]) {
            case 0: { // line x1 y1 x2 y2 colour width
                const shift = offset(values[i + 6]);
                setStroke(values[i + 5]);
                setLineWidth(values[i + 6]);
                context.beginPath();
                context.moveTo(values[i + 1] + shift, values[i + 2] + shift);
                context.lineTo(values[i + 3] + shift, values[i + 4] + shift);
                context.stroke();
                i += 7;
                break;
            }
            case 1: { // circle x y radius colour width fill
                // A row of circles in one colour, filled with it or not at all, is painted as one
                // path: the picture is the same but for the antialiased rims where dots overlap,
                // and a run's thousands of impact dots cost the page a few calls, not thousands.
                const colour = values[i + 4];
                const width = values[i + 5];
                const inside = values[i + 6];
                const oneColour = inside < 0 || inside === colour;
                const shift = offset(width);
                context.beginPath();
                do {
                    const x = values[i + 1] + shift;
                    const y = values[i + 2] + shift;
                    context.moveTo(x + values[i + 3], y);
                    context.arc(x, y, values[i + 3], 0, 2 * Math.PI);
                    i += 7;
                } while (oneColour && values[i] === 1 && values[i + 4] === colour
                         && values[i + 5] === width && values[i + 6] === inside);
                if (inside >= 0) {
                    setFill(inside);
                    context.fill();
                }
                setStroke(colour);
                setLineWidth(width);
                context.stroke();
                break;
            }
            case 2: // fill left top width height colour
                setFill(values[i + 5]);
                context.fillRect(values[i + 1], values[i + 2], values[i + 3], values[i + 4]);
                i += 6;
                break;
            case 3: // label index left top width height
                paintLabel(context, design.labels[values[i + 1]], values[i + 2], values[i + 3],
                           values[i + 4], values[i + 5]);
                i += 6;
                break;
            case 4: { // clip count boxes...
                const count = values[i + 1];
                context.save();
                context.beginPath();
                for (let box = i + 2; box < i + 2 + 4 * count; box += 4)
                    context.rect(values[box], values[box + 1], values[box + 2], values[box + 3]);
                context.clip();
                i += 2 + 4 * count;
                break;
            }
            case 5: // unclip, which brings back the colours and width set before the clip
                context.restore();
                stroke = fill = lineWidth = undefined;
                i += 1;
                break;
            default:
                throw new Error(`display list: unknown operation ${values[i]}`);
            }
        }
        return i;
    }

    function paintPending(context) {
        const values = module.HEAPF32.subarray(api.paintData() / 4,
                                               api.paintData() / 4 + api.paintSize());
        context.lineCap = "round";
        context.lineJoin = "round";
        paintList(context, values);
    }

    function boardContext(canvas, scale) {
        const context = canvas.getContext("2d", { alpha: false });
        context.setTransform(scale, 0, 0, scale, 0, 0);
        return context;
    }

    // Sizes a canvas for the board at up to that many pixels per client-area pixel, and tells
    // the scale it came to: a whole multiple of the client area's proportions (4 × 3 pixels for
    // 800 × 600), so that the board's edges fall on pixel boundaries and no row or column of it
    // is left half painted.
    const common = greatestCommonDivisor(design.width, design.height);
    function sizeBoard(canvas, pixels) {
        const multiple = Math.max(1, Math.floor(pixels * common + 1e-9));
        canvas.width = design.width / common * multiple;
        canvas.height = design.height / common * multiple;
        return canvas.width / design.width;
    }

    function greatestCommonDivisor(a, b) {
        return b ? greatestCommonDivisor(b, a % b) : a;
    }

    // The client area as large as the browser's window allows, centred, and the board at the
    // screen's own pixels, drawn afresh rather than stretched.
    function fitToWindow() {
        if (ended)
            return;
        const ratio = window.devicePixelRatio || 1;
        const fit = Math.min(window.innerWidth / design.width, window.innerHeight / design.height);
        boardScale = sizeBoard(board, fit * ratio);
        const scale = boardScale / ratio;
        const snap = (value) => Math.round(value * ratio) / ratio;
        client.style.transform = `translate(${snap((window.innerWidth - design.width * scale) / 2)}px,`
            + `${snap((window.innerHeight - design.height * scale) / 2)}px) scale(${scale})`;
        api.redraw();
        paintPending(boardContext(board, boardScale));
    }

    for (const part of [client, board]) {
        part.style.width = `${design.width}px`;
        part.style.height = `${design.height}px`;
    }

    // The controls.

    function element(tag, attributes) {
        const made = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes || {}))
            made.setAttribute(name, value);
        return made;
    }

    function place(made, box) {
        made.style.left = `${box[0]}px`;
        made.style.top = `${box[1]}px`;
        made.style.width = `${box[2]}px`;
        made.style.height = `${box[3]}px`;
        return made;
    }

    // Every place the keyboard stops at, in the design's order.
    const tabStops = [];
    const handlers = new Map(); // element → what a click on it does
    const buttons = {};
    for (const button of design.buttons) {
        const made = place(element("button", { id: button.name, class: "button", tabindex: "0" }),
                           button.box);
        made.textContent = button.caption;
        made.style.font = cssFont(design.buttonFont);
        buttons[button.name] = made;
        tabStops.push({ order: button.order, element: () => made });
        client.append(made);
    }

    // The option frames: each a selection group whose options write one field. The hidden frame
    // has no elements, but its options are selected all the same.
    const options = new Map(); // name → { option, frame, element }
    const frames = [];
    for (const frame of design.frames) {
        const group = { frame, options: [], selected: null, element: null };
        frames.push(group);
        if (frame.visible) {
            group.element = place(element("div", {
                id: frame.name,
                class: "frame",
                role: "radiogroup",
                "aria-labelledby": `${frame.name}-caption`,
            }), frame.box);
            const legend = element("span", { id: `${frame.name}-caption`, class: "legend" });
            legend.textContent = frame.caption;
            legend.style.font = cssFont(frame.font);
            group.element.append(element("div", { class: "border" }), legend);
            client.append(group.element);
        }
        for (const option of frame.options) {
            const entry = { option, group, element: null };
            if (group.element) {
                entry.element = place(element("div", {
                    id: option.name,
                    class: "option",
                    role: "radio",
                    "aria-checked": "false",
                    tabindex: "-1",
                }), option.box);
                const mark = element("span", { class: "mark" });
                const caption = element("span", { class: "caption" });
                caption.textContent = option.caption;
                entry.element.append(mark, caption);
                group.element.append(entry.element);
                handlers.set(entry.element, () => { focus(entry.element); select(entry); });
            }
            group.options.push(entry);
            options.set(option.name, entry);
        }
        if (group.element)
            tabStops.push({ order: () => group.selected.option.order,
                            element: () => group.selected && group.selected.element });
    }

    // An option's click handler: the option becomes its frame's selected one, and the keyboard's
    // stop in the frame, and writes its text into the frame's field.
    function select(entry) {
        const group = entry.group;
        if (group.selected && group.selected.element) {
            group.selected.element.setAttribute("aria-checked", "false");
            group.selected.element.tabIndex = -1;
        }
        group.selected = entry;
        if (entry.element) {
            entry.element.setAttribute("aria-checked", "true");
            entry.element.tabIndex = 0;
        }
        api.setField(group.frame.field, entry.option.text);
    }

    // HScroll1: whole values, the fastest at the left; the field follows when a change is
    // committed, not while the thumb is dragged.
    const sliderDesign = design.slider;
    const slider = place(element("div", {
        id: sliderDesign.name,
        class: "slider",
        role: "slider",
        tabindex: "0",
        "aria-label": sliderDesign.accessibleName,
        "aria-description": sliderDesign.description,
        "aria-valuemin": sliderDesign.minimum,
        "aria-valuemax": sliderDesign.maximum,
        "aria-orientation": "horizontal",
    }), sliderDesign.box);
    const arrowWidth = sliderDesign.box[3] - 2;
    const thumbWidth = 16;
    const less = element("div", { class: "arrow less" });
    const more = element("div", { class: "arrow more" });
    const thumb = element("div", { class: "thumb" });
    less.style.cssText = `left: 0; width: ${arrowWidth}px`;
    more.style.cssText = `right: 0; width: ${arrowWidth}px`;
    thumb.style.width = `${thumbWidth}px`;
    slider.append(less, more, thumb);
    client.append(slider);
    tabStops.push({ order: sliderDesign.order, element: () => slider });
    const sliderSpan = sliderDesign.maximum - sliderDesign.minimum;
    let sliderValue = sliderDesign.minimum;
    let drag = null; // the thumb being dragged: where it was taken and the value it shows

    function thumbTravel() {
        return sliderDesign.box[2] - 2 - 2 * arrowWidth - thumbWidth;
    }

    // The whole value within the slider's range nearest to value.
    function sliderStop(value) {
        return Math.min(sliderDesign.maximum, Math.max(sliderDesign.minimum, Math.round(value)));
    }

    function showSliderValue(value) {
        const travelled = thumbTravel() * (value - sliderDesign.minimum) / sliderSpan;
        thumb.style.left = `${arrowWidth + travelled}px`;
        slider.setAttribute("aria-valuenow", value);
        slider.title = `${sliderDesign.accessibleName}: ${value}`;
    }

    function commitSlider(value) {
        value = sliderStop(value);
        showSliderValue(value);
        if (value === sliderValue)
            return;
        sliderValue = value;
        api.sliderChanged(value);
    }

    handlers.set(less, () => { focus(slider); commitSlider(sliderValue - 1); });
    handlers.set(more, () => { focus(slider); commitSlider(sliderValue + 1); });
    handlers.set(slider, (input) => {
        focus(slider);
        const thumbLeft = thumb.getBoundingClientRect().left;
        commitSlider(sliderValue + (input.clientX < thumbLeft ? -1 : 1));
    });
    handlers.set(thumb, () => focus(slider));

    function dragThumb(input) {
        if (input.type === "pointerdown") {
            focus(slider);
            drag = { x: input.clientX, from: sliderValue, value: sliderValue };
        } else if (drag) {
            const scale = thumb.getBoundingClientRect().width / thumbWidth;
            const moved = (input.clientX - drag.x) / scale / thumbTravel() * sliderSpan;
            drag.value = sliderStop(drag.from + moved);
            showSliderValue(drag.value);
            if (input.type === "pointerup") {
                commitSlider(drag.value);
                drag = null;
            }
        }
    }

    // The keyboard.

    function orderOf(stop) {
        return typeof stop.order === "function" ? stop.order() : stop.order;
    }

    function focus(target) {
        target.focus({ preventScroll: true });
    }

    function tab(backwards) {
        const stops = tabStops.slice().sort((a, b) => orderOf(a) - orderOf(b))
            .map((stop) => stop.element()).filter((stop) => stop);
        const at = stops.indexOf(document.activeElement);
        const next = at < 0 ? (backwards ? stops.length - 1 : 0)
            : (at + (backwards ? stops.length - 1 : 1)) % stops.length;
        focus(stops[next]);
    }

    function moveInFrame(entry, step) {
        const siblings = entry.group.options;
        const next = siblings[(siblings.indexOf(entry) + step + siblings.length) % siblings.length];
        focus(next.element);
        select(next);
    }

    function optionOf(target) {
        for (const entry of options.values()) {
            if (entry.element === target)
                return entry;
        }
        return null;
    }

    // Handles a key as the focused control takes it; tells whether the page used it.
    function handleKey(input) {
        const target = document.activeElement;
        if (input.ctrlKey && (input.key === "c" || input.key === "C")) {
            copyPicture();
            return true;
        }
        if (input.key === "Tab") {
            tab(input.shiftKey);
            return true;
        }
        if (input.key === "Enter" || input.key === " ") {
            if (target === buttons.cmdStart || target === buttons.cmdKonec) {
                press(target);
                return true;
            }
            const entry = optionOf(target);
            if (entry && input.key === " ") {
                select(entry);
                return true;
            }
            return false;
        }
        const steps = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1 };
        const entry = optionOf(target);
        if (entry && input.key in steps) {
            moveInFrame(entry, steps[input.key]);
            return true;
        }
        if (target === slider) {
            const moves = { ...steps, PageUp: -1, PageDown: 1 };
            if (input.key in moves)
                commitSlider(sliderValue + moves[input.key]);
            else if (input.key === "Home")
                commitSlider(sliderDesign.minimum);
            else if (input.key === "End")
                commitSlider(sliderDesign.maximum);
            else
                return false;
            return true;
        }
        return false;
    }

    // The buttons.

    function press(button) {
        focus(button);
        if (button === buttons.cmdStart)
            cmdStartClick();
        else
            endProgram();
    }
    handlers.set(buttons.cmdStart, () => press(buttons.cmdStart));
    handlers.set(buttons.cmdKonec, () => press(buttons.cmdKonec));

    // A run: made at once by the module, then played step by step against the clock; each step's
    // drawing reaches the screen at the next frame.

    let running = false;
    let lastRun = null; // when the latest run started and ended
    let ended = false;
    const held = []; // input that arrived during a run

    function cmdStartClick() {
        const now = performance.now();
        if (!api.start(now))
            return;
        running = true;
        lastRun = { started: now, ended: null };
        document.documentElement.classList.add("busy");
        playRun();
    }

    function playRun() {
        const next = api.advance(performance.now());
        paintPending(boardContext(board, boardScale));
        if (next >= 0) {
            setTimeout(playRun, Math.max(0, next - performance.now()));
            return;
        }
        running = false;
        lastRun.ended = performance.now();
        document.documentElement.classList.remove("busy");
        const failure = api.failureMessage();
        if (failure) {
            held.length = 0;
            showFatalError(failure);
            return;
        }
        boardDescription.textContent = api.drawingDescription();
        while (held.length && !running && !ended)
            handleInput(held.shift());
    }

    // Konec, and the end after a fatal error: the page closes where the browser lets a page
    // close itself, and otherwise says that the program has ended.
    function endProgram() {
        ended = true;
        window.close();
        document.body.replaceChildren();
        const notice = element("div", { id: "ended", role: "alert" });
        const message = element("p");
        message.textContent = texts.programEnded;
        const restart = element("button", { id: "restart" });
        restart.textContent = texts.restart;
        restart.addEventListener("click", () => window.location.reload());
        notice.append(message, restart);
        document.body.append(notice);
        restart.focus();
    }

    function showFatalError(message) {
        const dialog = element("dialog", { id: "fatal-error", role: "alertdialog",
                                           "aria-labelledby": "fatal-error-title" });
        const title = element("h1", { id: "fatal-error-title" });
        title.textContent = texts.fatalErrorTitle;
        const text = element("p");
        text.textContent = message;
        const row = element("div");
        const ok = element("button");
        ok.textContent = texts.fatalErrorButton;
        ok.addEventListener("click", () => dialog.close());
        row.append(ok);
        dialog.append(title, text, row);
        dialog.addEventListener("close", endProgram);
        document.body.append(dialog);
        dialog.showModal();
        ok.focus();
    }

    // Ctrl+C: the picture, labels included, at the screen's pixel ratio, as a PNG.
    let lastCopy = null;
    function copyPicture() {
        const picture = document.createElement("canvas");
        const scale = sizeBoard(picture, window.devicePixelRatio || 1);
        api.redraw();
        paintPending(boardContext(picture, scale));
        picture.toBlob((png) => {
            lastCopy = { width: picture.width, height: picture.height, bytes: png.size };
            if (navigator.clipboard && window.ClipboardItem)
                navigator.clipboard.write([new ClipboardItem({ "image/png": png })]).catch(() => {});
        }, "image/png");
    }

    // Input: every key and click goes through handleInput, now or, during a run, after it.

    function handleInput(input) {
        if (input.type === "keydown")
            return handleKey(input);
        if (input.type.startsWith("pointer") && (drag || input.target === thumb)) {
            dragThumb(input);
            return true;
        }
        if (input.type === "click") {
            for (let target = input.target; target && target !== client; target = target.parentNode) {
                if (handlers.has(target)) {
                    handlers.get(target)(input);
                    return true;
                }
            }
        }
        return false;
    }

    function onInput(event) {
        if (ended || event.target.closest("dialog"))
            return;
        const input = {
            type: event.type, target: event.target, key: event.key, shiftKey: event.shiftKey,
            ctrlKey: event.ctrlKey || event.metaKey, clientX: event.clientX,
        };
        if (event.type === "mousedown" || (event.type === "keyup" && event.key === " ")) {
            event.preventDefault(); // the page, not the browser, moves the focus and presses
            return;
        }
        if (running) {
            if (event.type !== "pointermove" || drag)
                held.push(input);
            event.preventDefault();
            return;
        }
        if (handleInput(input))
            event.preventDefault();
    }
    for (const type of ["keydown", "keyup", "click", "mousedown", "pointerdown", "pointermove",
                        "pointerup"])
        window.addEventListener(type, onInput, true);

    for (const [name, pressedClass] of [["pointerdown", true], ["pointerup", false],
                                        ["pointerleave", false]]) {
        for (const button of Object.values(buttons)) {
            button.addEventListener(name, () => {
                if (!running)
                    button.classList.toggle("pressed", pressedClass);
            });
        }
    }

    // Form_Load: the start-up selections, each running its handler, then the slowdown.
    for (const name of design.startUpSelections)
        select(options.get(name));
    api.setField(design.slowdownField, design.startUpSlowdown);
    showSliderValue(sliderValue);

    await Promise.all(design.labels.map((label) => document.fonts.load(cssFont(label.font))));
    await document.fonts.ready;
    fitToWindow();
    window.addEventListener("resize", fitToWindow);
    // A zoom or a move to another screen changes the pixel ratio, not always the window's size.
    (function followPixelRatio() {
        window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
            .addEventListener("change", () => { fitToWindow(); followPixelRatio(); }, { once: true });
    })();
    focus(buttons.cmdStart);

    // For the tests only, not part of the program: reads the fields, the calls of the runs and
    // the picture, and sets a field's text as no control could.
    const fieldIndex = (name) => design.fields.indexOf(name);
    window.lumorixTestHook = {
        fieldText: (name) => api.fieldText(fieldIndex(name)),
        setFieldText: (name, text) => api.setField(fieldIndex(name), text),
        keepTrace: api.keepTrace,
        trace: api.trace,
        running: () => running,
        ended: () => ended,
        picture: () => board.toDataURL("image/png"),
        lastCopy: () => lastCopy,
        lastRun: () => lastRun,
        heapInUse: api.heapInUse,
    };
    requestAnimationFrame(() => {
        document.documentElement.dataset.ready = String(performance.now());
    });
})();
