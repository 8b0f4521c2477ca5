// Paints the module's display lists (src/web/display_list.h) onto a canvas of the board: the
// runs' lines and circles, the background and the labels, whose operation codes and record
// lengths come with the design.
function createPainter(design) {
    const operations = design.displayList;

    function cssColour(packed) {
        return `rgb(${packed & 0xff},${(packed >> 8) & 0xff},${(packed >> 16) & 0xff})`;
    }

    // A label's caption wrapped at word boundaries with the design's slack, as the desktop wraps
    // it, but never with ink past the label's box, where it would be cut. Every label, Label1
    // too, is painted on the window's grey, as the desktop paints them into its picture.
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
        const lineCount = Math.max(1, Math.floor(height / lineHeight));
        const { lines, condensed } = setCaption(context, label.caption, width + design.labelSlack,
                                                width, lineCount);
        lines.forEach((line, i) => {
            const set = context.measureText(line);
            const lineWidth = set.width * condensed;
            const x = Math.min(Math.max(label.centred ? left + (width - lineWidth) / 2 : left,
                                        left + set.actualBoundingBoxLeft * condensed),
                               left + width - set.actualBoundingBoxRight * condensed);
            const y = top + ascent + i * lineHeight;
            if (condensed < 1)
                context.fillText(line, x, y, lineWidth);
            else
                context.fillText(line, x, y);
        });
        context.restore();
    }

    // The lines a caption is set in, wrapped within `room` into at most `lineCount` lines, each
    // line's ink no wider than `inkRoom`, and how much narrower than the engine sets them they
    // are drawn. An engine whose text comes out wider than the design's (whole-pixel glyph
    // advances, a user's minimum font size) gets its caption condensed just enough that the
    // desktop's wrapping of it fits, in the same font: never clipped, never wrapped into lines
    // the box cannot hold.
    function setCaption(context, caption, room, inkRoom, lineCount) {
        const words = caption.split(" ");
        const widthOf = (text) => context.measureText(text).width;
        const inkOf = (text) => {
            const set = context.measureText(text);
            return set.actualBoundingBoxLeft + set.actualBoundingBoxRight;
        };
        const wrap = (condensed) => {
            const lines = [];
            for (const word of words) {
                const joined = lines.length ? `${lines[lines.length - 1]} ${word}` : word;
                if (lines.length && widthOf(joined) * condensed <= room + 1e-6)
                    lines[lines.length - 1] = joined;
                else
                    lines.push(word);
            }
            return lines;
        };
        const fits = (lines, condensed) => lines.length <= lineCount
            && lines.every((line) => widthOf(line) * condensed <= room + 1e-6
                           && inkOf(line) * condensed <= inkRoom + 1e-6);
        // Condensed by one of these, some run of words exactly fills the room, or its ink the
        // ink's; the smallest puts the whole caption on one line, so one of them always fits.
        const factors = [1];
        for (let first = 0; first < words.length; ++first) {
            for (let last = first; last < words.length; ++last) {
                const run = words.slice(first, last + 1).join(" ");
                factors.push(room / widthOf(run), inkRoom / inkOf(run));
            }
        }
        const condensed = factors.filter((f) => f <= 1).sort((a, b) => b - a)
            .find((factor) => fits(wrap(factor), factor));
        return { lines: wrap(condensed), condensed };
    }

    // A canvas's 2D context with the client area's pixels as its unit, at `scale` device pixels
    // to one, as the painter paints: round caps and joins, as the desktop's pen has.
    function prepare(context, scale) {
        context.setTransform(scale, 0, 0, scale, 0, 0);
        context.lineCap = "round";
        context.lineJoin = "round";
        return context;
    }

    // The desktop paints a pen of odd width in whole pixels right of and below its line; so do
    // the shapes here, which keeps them from smearing over two rows of pixels.
    function penOffset(context, width) {
        const scale = context.getTransform().a;
        return Math.round(width * scale) % 2 ? 0.5 / scale : 0;
    }

    // Paints one shape, each as a path of its own: a line, or a circle filled (unless its fill is
    // -1) and then outlined. The stamps learn the fill and the outline apart.
    function paintShape(context, values, i, parts = { fill: true, outline: true }) {
        const circle = values[i] !== operations.line.code;
        const colour = values[i + (circle ? 4 : 5)];
        const width = values[i + (circle ? 5 : 6)];
        const shift = penOffset(context, width);
        context.beginPath();
        if (circle) {
            const [x, y, radius] = [values[i + 1] + shift, values[i + 2] + shift, values[i + 3]];
            context.moveTo(x + radius, y);
            context.arc(x, y, radius, 0, 2 * Math.PI);
            if (values[i + 6] >= 0 && parts.fill) {
                context.fillStyle = cssColour(values[i + 6]);
                context.fill();
            }
        } else {
            context.moveTo(values[i + 1] + shift, values[i + 2] + shift);
            context.lineTo(values[i + 3] + shift, values[i + 4] + shift);
        }
        if (parts.outline) {
            context.strokeStyle = cssColour(colour);
            context.lineWidth = width;
            context.stroke();
        }
    }

    // Paints the record at i and tells where the next one begins.
    function paintRecord(context, values, i) {
        switch (values[i]) {
        case operations.line.code: // x1 y1 x2 y2 colour width
            paintShape(context, values, i);
            return i + operations.line.length;
        case operations.circle.code: // x y radius colour width fill
        case operations.scatteredCircle.code:
            paintShape(context, values, i);
            return i + operations.circle.length;
        case operations.fill.code: // left top width height colour
            context.fillStyle = cssColour(values[i + 5]);
            context.fillRect(values[i + 1], values[i + 2], values[i + 3], values[i + 4]);
            return i + operations.fill.length;
        case operations.label.code: // index left top width height
            paintLabel(context, design.labels[values[i + 1]], values[i + 2], values[i + 3],
                       values[i + 4], values[i + 5]);
            return i + operations.label.length;
        case operations.clip.code: { // count, then count boxes
            const boxes = i + operations.clip.length;
            const end = boxes + operations.clip.perBox * values[i + 1];
            context.save();
            context.beginPath();
            for (let box = boxes; box < end; box += operations.clip.perBox)
                context.rect(values[box], values[box + 1], values[box + 2], values[box + 3]);
            context.clip();
            return end;
        }
        case operations.unclip.code:
            context.restore();
            return i + operations.unclip.length;
        default:
            throw new Error(`display list: unknown operation ${values[i]}`);
        }
    }

    // Where the record after the one at i begins.
    function nextRecord(values, i) {
        const record = Object.values(operations).find((known) => known.code === values[i]);
        return i + record.length + (record.perBox ? record.perBox * values[i + 1] : 0);
    }

    const isShape = (values, i) => values[i] === operations.line.code
        || values[i] === operations.circle.code || values[i] === operations.scatteredCircle.code;

    // Paints values from `from` on, until the list ends or `budget` shapes have been painted
    // (a circle or a line is one), and tells where it stopped and how many it painted: the
    // general path, by which the canvas paints every shape as a path.
    function paint(context, values, from = 0, budget = Infinity) {
        let shapes = 0;
        let i = from;
        while (i < values.length && shapes < budget) {
            shapes += isShape(values, i);
            i = paintRecord(context, values, i);
        }
        return { at: i, painted: shapes };
    }

    return { paint, paintRecord, paintShape, isShape, nextRecord, prepare };
}
