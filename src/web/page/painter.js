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

    // Paints values from `from` on, until the list ends or `budget` shapes have been painted
    // (a circle or a line is one), and tells where it stopped and how many it painted. The desktop paints a pen of odd
    // width in whole pixels right of and below its line; so do the lines here, which keeps them
    // from smearing over two rows of pixels.
    function paint(context, values, from = 0, budget = Infinity) {
        const scale = context.getTransform().a;
        const offset = (width) => (Math.round(width * scale) % 2 ? 0.5 / scale : 0);
        let shapes = 0;
        let i = from;
        while (i < values.length && shapes < budget) {
            switch (values[i]) {
            case operations.line.code: { // x1 y1 x2 y2 colour width
                const shift = offset(values[i + 6]);
                context.strokeStyle = cssColour(values[i + 5]);
                context.lineWidth = values[i + 6];
                context.beginPath();
                context.moveTo(values[i + 1] + shift, values[i + 2] + shift);
                context.lineTo(values[i + 3] + shift, values[i + 4] + shift);
                context.stroke();
                i += operations.line.length;
                ++shapes;
                break;
            }
            case operations.circle.code: { // x y radius colour width fill
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
                    i += operations.circle.length;
                    ++shapes;
                } while (oneColour && values[i] === operations.circle.code
                         && values[i + 4] === colour && values[i + 5] === width
                         && values[i + 6] === inside);
                if (inside >= 0) {
                    context.fillStyle = cssColour(inside);
                    context.fill();
                }
                context.strokeStyle = cssColour(colour);
                context.lineWidth = width;
                context.stroke();
                break;
            }
            case operations.fill.code: // left top width height colour
                context.fillStyle = cssColour(values[i + 5]);
                context.fillRect(values[i + 1], values[i + 2], values[i + 3], values[i + 4]);
                i += operations.fill.length;
                break;
            case operations.label.code: // index left top width height
                paintLabel(context, design.labels[values[i + 1]], values[i + 2], values[i + 3],
                           values[i + 4], values[i + 5]);
                i += operations.label.length;
                break;
            case operations.clip.code: { // count, then count boxes
                const boxes = i + operations.clip.length;
                const end = boxes + operations.clip.perBox * values[i + 1];
                context.save();
                context.beginPath();
                for (let box = boxes; box < end; box += operations.clip.perBox)
                    context.rect(values[box], values[box + 1], values[box + 2], values[box + 3]);
                context.clip();
                i = end;
                break;
            }
            case operations.unclip.code:
                context.restore();
                i += operations.unclip.length;
                break;
            default:
                throw new Error(`display list: unknown operation ${values[i]}`);
            }
        }
        return { at: i, painted: shapes };
    }

    return { paint };
}
