// The fast path of the board's painting: the circles and lines that runs draw by the thousand,
// stamped into the board's own pixels (raster.js). The module decides which shapes are stamped,
// and whether from a stamp learnt at the shape's exact place or at the nearest of a few places
// within a pixel (src/canvas/stamp_rule.h), and plans it for each list (src/web/stamp_plan.h).
// A stamp is learnt from the canvas itself, painting the shape by the general path, the first
// time a pixel ratio needs it: its coverage of each pixel, which is blended into the pixels as
// the canvas blends a colour. So the picture is the canvas's own antialiasing; a shape the plan
// leaves to the canvas, or a scattered one too near the board's edge, the canvas paints.
function createStamps(design, api, painter) {
    const operations = design.displayList;
    const placesPerPixel = design.stamps.placesPerPixel;
    const perShape = design.stamps.perShape; // the plan's numbers for each shape
    // How the plan has a shape painted: by the canvas, from an exact stamp, and otherwise from the
    // stamp at the nearest place.
    const how = design.stamps.how;
    const shapesAPlan = 4096; // the plan's memory in the module stays small
    const mostCovered = 1 << 21; // pixels of stamps, beyond which what was learnt is forgotten
    const white = 0xffffff;
    let atlas = null; // the stamps learnt at one pixel ratio

    // Two canvases of the board's size on which stamps are learnt in white on black, outlines on
    // the one and fills on the other, each shape painted exactly where the board has it.
    function newAtlas(ratio) {
        const width = Math.round(design.width * ratio);
        const [pens, fills] = [0, 1].map(() => {
            const canvas = document.createElement("canvas");
            canvas.width = width;
            canvas.height = Math.round(design.height * ratio);
            return canvas.getContext("2d", { alpha: false, willReadFrequently: true });
        });
        return { ratio, width, height: pens.canvas.height, pens, fills, exact: new Map(),
                 places: new Map(), spareLayers: [], covered: 0 };
    }

    // The pixels of rows [top, bottom) that a shape may paint, [left, right), within its box of
    // device pixels [left, top, right, bottom): the box's width, but for a slanted line, whose box
    // is mostly empty, only as far as the line with its pen and a margin reaches in those rows.
    function spanOf(shape, box) {
        const [x1, y1, x2, y2] = [1, 2, 3, 4].map((k) => shape[k] * atlas.ratio);
        if (shape[0] !== operations.line.code || x1 === x2 || y1 === y2)
            return () => [box[0], box[2]];
        const reach = shape[6] * atlas.ratio / 2 + 2;
        const span = (top, bottom) => {
            const along = [(top - reach - y1) / (y2 - y1), (bottom + reach - y1) / (y2 - y1)];
            const [from, to] = [Math.max(0, Math.min(...along)), Math.min(1, Math.max(...along))];
            if (from > to)
                return [0, 0];
            const xs = [x1 + from * (x2 - x1), x1 + to * (x2 - x1)];
            return [Math.max(box[0], Math.floor(Math.min(...xs) - reach)),
                    Math.min(box[2], Math.ceil(Math.max(...xs) + reach))];
        };
        span.slanted = true;
        return span;
    }

    // Learns shapes that do not meet, in one go: each is {shape, box, span, anchor, stamp,
    // whole}, the shape a record of its own in white, the box of device pixels [left, top,
    // right, bottom) that it may paint, and its span in each row (spanOf). Makes each one's
    // stamp: its coverage, as offsets in the board's pixels from its anchor pixel, of the pixels
    // its pen covers whole, of those its fill covers whole and its pen not at all, and of the
    // rest with their coverages by the fill (if any) and the pen. A circle filled with its pen's
    // colour may be learnt `whole`, fill and pen as one, which takes one painting, not two; it
    // is blended once, within two levels of the canvas's two blends, and exactly where only the
    // pen covers a pixel.
    function learn(learnt) {
        const hasFill = ({ shape, whole }) => !whole && shape[0] !== operations.line.code
            && shape[6] >= 0;
        const filled = learnt.some(hasFill);
        const paint = (context, partsOf) => {
            context.setTransform(1, 0, 0, 1, 0, 0);
            context.fillStyle = "black";
            for (const { box } of learnt)
                context.fillRect(box[0], box[1], box[2] - box[0], box[3] - box[1]);
            painter.prepare(context, atlas.ratio);
            for (const item of learnt) {
                const parts = partsOf(item);
                if (parts)
                    painter.paintShape(context, item.shape, 0, parts);
            }
        };
        paint(atlas.pens, ({ whole }) => ({ fill: Boolean(whole), outline: true }));
        if (filled)
            paint(atlas.fills, (item) => hasFill(item) && { fill: true, outline: false });
        // A slanted line's box is mostly empty: it is read in bands of rows, each only as wide
        // as the line reaches in it.
        const pieces = [];
        for (const item of learnt) {
            item.found = { pen: [], fill: [], partly: [], fillCovers: [], penCovers: [],
                           hasFill: false };
            const [left, top, right, bottom] = item.box;
            const band = item.span.slanted ? 32 : bottom - top;
            for (let from = top; from < bottom; from += band) {
                const to = Math.min(bottom, from + band);
                const [spanLeft, spanRight] = item.span.slanted ? item.span(from, to)
                    : [left, right];
                if (spanLeft < spanRight)
                    pieces.push({ item, box: [spanLeft, from, spanRight, to] });
            }
        }
        for (const group of nearby(pieces)) {
            const [left, top, right, bottom] = group.box;
            const across = right - left;
            const read = (context) => context.getImageData(left, top, across, bottom - top).data;
            const penData = read(atlas.pens);
            const fillData = filled ? read(atlas.fills) : null;
            for (const { item, box } of group.items) {
                const found = item.found;
                for (let y = box[1]; y < box[3]; ++y) {
                    const [from, to] = item.span(y, y + 1);
                    for (let x = from; x < to; ++x) {
                        const at = 4 * ((y - top) * across + x - left);
                        const pen = penData[at];
                        const fill = fillData ? fillData[at] : 0;
                        if (!pen && !fill)
                            continue;
                        found.hasFill ||= fill > 0;
                        const offset = y * atlas.width + x - item.anchor;
                        if (pen === 255) {
                            found.pen.push(offset);
                        } else if (fill === 255 && !pen) {
                            found.fill.push(offset);
                        } else {
                            found.partly.push(offset);
                            found.fillCovers.push(fill);
                            found.penCovers.push(pen);
                        }
                    }
                }
            }
        }
        for (const { stamp, found } of learnt) {
            atlas.covered += found.pen.length + found.fill.length + found.partly.length;
            Object.assign(stamp, {
                hasFill: found.hasFill, pen: Int32Array.from(found.pen),
                fill: Int32Array.from(found.fill), partly: Int32Array.from(found.partly),
                fillCovers: Uint8Array.from(found.fillCovers),
                penCovers: Uint8Array.from(found.penCovers),
            });
        }
    }

    // Pieces of shapes ({box, ...}) in groups that are each read from the canvas in one piece: a
    // piece joins a group while the group holds no more pixels beyond its pieces' than a read
    // of its own would cost.
    function nearby(items) {
        const worthARead = 16000;
        const area = ([left, top, right, bottom]) => (right - left) * (bottom - top);
        const groups = [];
        for (const item of [...items].sort((a, b) => a.box[1] - b.box[1] || a.box[0] - b.box[0])) {
            const joined = (group) => [Math.min(group.box[0], item.box[0]),
                                       Math.min(group.box[1], item.box[1]),
                                       Math.max(group.box[2], item.box[2]),
                                       Math.max(group.box[3], item.box[3])];
            const group = groups.find((open) => area(joined(open))
                                      <= open.covers + area(item.box) + worthARead);
            if (group) {
                group.box = joined(group);
                group.covers += area(item.box);
                group.items.push(item);
            } else {
                groups.push({ box: item.box, covers: area(item.box), items: [item] });
            }
        }
        return groups;
    }

    // A record's own copy in white, as stamps are learnt.
    function inWhite(values, i) {
        const shape = values.slice(i, i + operations.circle.length);
        const line = shape[0] === operations.line.code;
        shape[line ? 5 : 4] = white;
        if (!line && shape[6] >= 0)
            shape[6] = white;
        return shape;
    }

    // The device pixels that the canvas may paint for the record at i.
    function boxOf(values, i) {
        let low;
        let high;
        switch (values[i]) {
        case operations.line.code: {
            const margin = values[i + 6] / 2 + 1;
            low = [Math.min(values[i + 1], values[i + 3]) - margin,
                   Math.min(values[i + 2], values[i + 4]) - margin];
            high = [Math.max(values[i + 1], values[i + 3]) + margin,
                    Math.max(values[i + 2], values[i + 4]) + margin];
            break;
        }
        case operations.circle.code:
        case operations.scatteredCircle.code: {
            const margin = values[i + 3] + values[i + 5] / 2 + 1;
            low = [values[i + 1] - margin, values[i + 2] - margin];
            high = [values[i + 1] + margin, values[i + 2] + margin];
            break;
        }
        case operations.fill.code: // left top width height colour
            low = [values[i + 1], values[i + 2]];
            high = [low[0] + values[i + 3], low[1] + values[i + 4]];
            break;
        case operations.label.code: // index left top width height
            low = [values[i + 2], values[i + 3]];
            high = [low[0] + values[i + 4], low[1] + values[i + 5]];
            break;
        default:
            return [0, 0, 0, 0]; // a clip paints nothing
        }
        const ratio = atlas.ratio;
        return [Math.floor(low[0] * ratio) - 1, Math.floor(low[1] * ratio) - 1,
                Math.ceil(high[0] * ratio) + 2, Math.ceil(high[1] * ratio) + 2];
    }

    // The stamp of the shape at i at its exact place, anchored at the board's first pixel, or
    // the new stamp to learn. It depends on the shape's kind (a line, or a circle unfilled,
    // filled or filled with its pen's colour) and on a line's ends and pen, or a circle's centre,
    // radius and pen. Stamps are kept by a key made from those numbers' bits (`bits` are the
    // list's values as integers), those of one key in a chain.
    const lineNumbers = [1, 2, 3, 4, 6];
    const circleNumbers = [1, 2, 3, 5];
    function exactStamp(values, bits, i) {
        const line = values[i] === operations.line.code;
        const fill = values[i + 6];
        const kind = line ? 1 : fill < 0 ? 2 : fill === values[i + 4] ? 4 : 3;
        const numbers = line ? lineNumbers : circleNumbers;
        let key = kind;
        for (let n = 0; n < numbers.length; ++n)
            key = (Math.imul(key, 31) + bits[i + numbers[n]]) | 0;
        const first = atlas.exact.get(key);
        for (let known = first; known; known = known.next) {
            let same = known.kind === kind;
            for (let n = 0; same && n < numbers.length; ++n)
                same = known.values[numbers[n]] === values[i + numbers[n]];
            if (same)
                return known;
        }
        const box = boxOf(values, i);
        box[0] = Math.max(0, box[0]);
        box[1] = Math.max(0, box[1]);
        box[2] = Math.min(atlas.width, box[2]);
        box[3] = Math.min(atlas.height, box[3]);
        const stamp = { kind, whole: kind === 4, values: inWhite(values, i), box, pen: null,
                        next: first };
        atlas.exact.set(key, stamp);
        return stamp;
    }

    // Exact stamps placed in layers of shapes that do not meet, each layer to be painted and
    // read in one go: a few canvas reads for a run's worth, where each read costs as much as
    // copying tens of thousands of pixels. Whether shapes meet is told by the cells of 4 × 4
    // pixels they reach. place() places one stamp; layers() hands the layers over.
    function createLayering() {
        const cell = 4;
        const across = Math.ceil(atlas.width / cell);
        const layers = [];
        return {
            place(stamp) {
                const [left, top, right, bottom] = stamp.box;
                if (left >= right || top >= bottom) {
                    Object.assign(stamp, { hasFill: false, pen: new Int32Array(0),
                                           fill: new Int32Array(0), partly: new Int32Array(0) });
                    return;
                }
                const span = spanOf(stamp.values, stamp.box);
                const cells = [];
                for (let y = Math.floor(top / cell); y <= Math.floor((bottom - 1) / cell); ++y) {
                    const [from, to] = span(Math.max(top, y * cell),
                                            Math.min(bottom, (y + 1) * cell));
                    for (let x = Math.floor(from / cell); x < Math.ceil(to / cell); ++x)
                        cells.push(y * across + x);
                }
                let layer = layers.find((open) => cells.every((taken) => !open.taken[taken]));
                if (!layer) {
                    layer = { taken: atlas.spareLayers.pop()
                                  || new Uint8Array(across * Math.ceil(atlas.height / cell)),
                              marked: [], items: [] };
                    layers.push(layer);
                }
                for (const taken of cells)
                    layer.taken[taken] = 1;
                layer.marked.push(...cells);
                layer.items.push({ shape: stamp.values, box: stamp.box, span, anchor: 0, stamp,
                                   whole: stamp.whole });
            },
            // The cells are given back: a layer keeps only its shapes.
            layers() {
                for (const layer of layers) {
                    for (const taken of layer.marked)
                        layer.taken[taken] = 0;
                    atlas.spareLayers.push(layer.taken);
                }
                return layers.map((layer) => layer.items);
            },
        };
    }

    function layersOf(unlearnt) {
        const layering = createLayering();
        unlearnt.forEach(layering.place);
        return layering.layers();
    }

    // The exact stamps not learnt yet that the shapes of a list need from the value at `from`
    // on, up to `shapes` of them, as the plan from `planned` on says; and where they end.
    function unlearntStamps(values, plan, from, planned, shapes, unlearnt = new Set()) {
        const bits = new Int32Array(values.buffer, values.byteOffset, values.length);
        let at = from;
        for (let shape = planned; at < values.length && shape < shapes;) {
            if (!painter.isShape(values, at)) {
                at = painter.nextRecord(values, at);
                continue;
            }
            if (plan[shape * perShape] === how.exact) {
                const known = exactStamp(values, bits, at);
                if (!known.pen)
                    unlearnt.add(known);
            }
            at += lengthOf(values, at);
            ++shape;
        }
        return { unlearnt, end: at };
    }

    // The exact stamps that a whole list will need at a raster's pixel ratio, learnt ahead of
    // its painting while time allows, a little at a time: learn(deadline) goes through the list,
    // then learns layer after layer, until the deadline has passed, and tells whether all has
    // been learnt. `listOf` gives the list, afresh at each use (the module's memory may move).
    function learnAhead(raster, listOf) {
        useAtlasOf(raster);
        const learning = atlas;
        const unlearnt = new Set();
        const shapesAtOnce = 512;
        let at = 0;
        let placing = null; // the stamps still to place, and their layering
        let layers = null;
        return {
            learn(deadline) {
                while (atlas === learning && performance.now() < deadline) {
                    const list = layers || placing ? null : listOf();
                    if (list && at < list.size) {
                        const plan = api.stampPlan(atlas.ratio, at, shapesAtOnce, perShape);
                        at = unlearntStamps(api.values(list), plan, at, 0, shapesAtOnce,
                                            unlearnt).end;
                    } else if (list) {
                        placing = { stamps: [...unlearnt], layering: createLayering() };
                    } else if (placing && placing.stamps.length) {
                        placing.stamps.splice(0, 64).filter((stamp) => !stamp.pen)
                            .forEach(placing.layering.place);
                    } else if (placing) {
                        layers = placing.layering.layers();
                        placing = null;
                    } else if (layers.length) {
                        // A few of a layer at a time, which a run's steps may have learnt
                        // meanwhile.
                        const items = layers[0].splice(0, 8).filter(({ stamp }) => !stamp.pen);
                        if (!layers[0].length)
                            layers.shift();
                        if (items.length)
                            learn(items);
                    } else {
                        return true;
                    }
                }
                return atlas !== learning || (layers !== null && !layers.length);
            },
        };
    }

    // The stamp of a scattered circle at the nearest place, anchored at its pixel. The canvas
    // rounds a shape alike wherever it falls within one octave of coordinates (from one power of
    // two to the next), so the stamp of a place in an octave is learnt where it is first needed.
    let lastKind = null;
    const octave = (pixel) => 31 - Math.clz32(pixel);
    function placeStamp(values, i, x, xPlace, y, yPlace, reach) {
        const radius = values[i + 3];
        const width = values[i + 5];
        const filled = values[i + 6] >= 0;
        if (!lastKind || lastKind.radius !== radius || lastKind.width !== width
            || lastKind.filled !== filled || atlas.places.get(lastKind.key) !== lastKind) {
            const key = `${radius} ${width} ${filled}`;
            lastKind = atlas.places.get(key);
            if (!lastKind) {
                lastKind = { key, radius, width, filled, stamps: new Map() };
                atlas.places.set(key, lastKind);
            }
        }
        const index = (((octave(x) << 5) | octave(y)) << 8) | (yPlace << 4) | xPlace;
        let stamp = lastKind.stamps.get(index);
        if (!stamp) {
            const at = (pixel, place) => (pixel + place / placesPerPixel) / atlas.ratio;
            const shape = Float32Array.of(operations.circle.code, at(x, xPlace), at(y, yPlace),
                                          radius, white, width, filled ? white : -1);
            const box = [x - reach, y - reach, x + reach + 1, y + reach + 1];
            stamp = {};
            learn([{ shape, box, span: () => [box[0], box[2]], anchor: y * atlas.width + x,
                     stamp }]);
            lastKind.stamps.set(index, stamp);
        }
        return stamp;
    }

    // A colour blended over a pixel with a coverage, as the canvas blends it: in each channel,
    // colour × (coverage + 1) / 256 + pixel × (256 − coverage) / 256, each rounded down; red and
    // blue side by side in one product, which no channel overflows.
    function blend(word, colour, covered) {
        const take = covered + 1;
        const keep = 256 - covered;
        return ((0xff000000 | ((((colour & 0xff00ff) * take) >>> 8) & 0xff00ff)
                 | ((((colour & 0xff00) * take) >>> 8) & 0xff00))
                + ((((word & 0xff00ff) * keep) >>> 8) & 0xff00ff)
                + ((((word & 0xff00) * keep) >>> 8) & 0xff00)) >>> 0;
    }

    // Writes one colour at offsets from an anchor pixel; tells whether any pixel changed.
    function writeWhole(words, anchor, offsets, word) {
        let changed = false;
        for (let k = 0; k < offsets.length; ++k) {
            const index = anchor + offsets[k];
            if (words[index] !== word) {
                words[index] = word;
                changed = true;
            }
        }
        return changed;
    }

    // Writes a stamp at an anchor pixel, its fill first; tells whether any pixel changed. White
    // or black blended over itself stays itself, so a pixel already of that colour is passed
    // over: most of a dense fringe's impacts fall on white.
    function write(words, anchor, stamp, pen, fill) {
        const penWord = (0xff000000 | pen) >>> 0;
        const fillWord = (0xff000000 | fill) >>> 0;
        let changed = writeWhole(words, anchor, stamp.fill, fillWord);
        changed = writeWhole(words, anchor, stamp.pen, penWord) || changed;
        const { partly, fillCovers, penCovers } = stamp;
        const stays = (pen === white || pen === 0) && (fill === pen || !stamp.hasFill);
        for (let k = 0; k < partly.length; ++k) {
            const index = anchor + partly[k];
            const old = words[index];
            if (stays && old === penWord)
                continue;
            let word = old;
            if (fillCovers[k] !== 0)
                word = fillCovers[k] === 255 ? fillWord : blend(word, fill, fillCovers[k]);
            if (penCovers[k] !== 0)
                word = blend(word, pen, penCovers[k]);
            if (word !== old) {
                words[index] = word;
                changed = true;
            }
        }
        return changed;
    }

    // Stamps the shape at i as its plan entry at e says, from its exact stamp when it has one;
    // false when the stamp would not fit.
    function stamp(raster, values, i, plan, e, exact) {
        const line = values[i] === operations.line.code;
        const colour = values[i + (line ? 5 : 4)];
        const fill = line ? 0 : values[i + 6];
        let left;
        let top;
        let right;
        let bottom;
        let anchor = 0;
        let used = exact;
        if (exact) {
            [left, top, right, bottom] = exact.box;
            if (left >= right || top >= bottom)
                return true;
        } else {
            const x = plan[e + 1];
            const y = plan[e + 3];
            const reach = Math.ceil((values[i + 3] + values[i + 5] / 2) * atlas.ratio) + 2;
            left = x - reach;
            top = y - reach;
            right = x + reach + 1;
            bottom = y + reach + 1;
            if (left < 0 || top < 0 || right > raster.width || bottom > raster.height)
                return false;
            used = placeStamp(values, i, x, plan[e + 2], y, plan[e + 4], reach);
            anchor = y * raster.width + x;
        }
        if (write(raster.pixelsFor(left, top, right, bottom), anchor, used, colour, fill))
            raster.stamped(left, top, right, bottom);
        return true;
    }

    // A fill of the whole board, as a clean one begins.
    const fillsTheBoard = (values, i) => values[i] === operations.fill.code && values[i + 1] <= 0
        && values[i + 2] <= 0 && values[i + 1] + values[i + 3] >= design.width
        && values[i + 2] + values[i + 4] >= design.height;

    const lengthOf = (values, i) => (values[i] === operations.line.code ? operations.line.length
        : operations.circle.length);

    // The stamps learnt at a raster's pixel ratio, forgotten when they grow too many.
    function useAtlasOf(raster) {
        const ratio = raster.width / design.width;
        if (!atlas || atlas.ratio !== ratio || atlas.covered > mostCovered)
            atlas = newAtlas(ratio);
    }

    // Paints a list of the module's from `from` on, as the painter's paint() does (and with its
    // budget of shapes), stamping what the plan stamps into the raster's pixels; the canvas is
    // handed them at the end if it is to show them now.
    function paint(raster, list, from = 0, budget = Infinity, showNow = true) {
        useAtlasOf(raster);
        let i = from;
        let painted = 0;
        while (i < list.size && painted < budget) {
            const shapes = Math.min(budget - painted, shapesAPlan);
            const plan = api.stampPlan(atlas.ratio, i, shapes, perShape);
            const values = api.values(list);
            const bits = new Int32Array(values.buffer, values.byteOffset, values.length);
            for (let planned = 0; i < values.length && planned < shapes;) {
                if (!painter.isShape(values, i)) {
                    if (values[i] === operations.clip.code)
                        ++raster.clips;
                    else if (values[i] === operations.unclip.code)
                        --raster.clips;
                    if (fillsTheBoard(values, i) && raster.clips === 0)
                        raster.canvasFills(values[i + 5]);
                    else
                        raster.canvasPaints(...boxOf(values, i));
                    i = painter.paintRecord(raster.context, values, i);
                    continue;
                }
                const e = planned * perShape;
                let exact = null;
                if (plan[e] === how.exact) {
                    exact = exactStamp(values, bits, i);
                    // What the rest of the part needs that is not learnt yet, learnt together.
                    if (!exact.pen)
                        layersOf(unlearntStamps(values, plan, i, planned, shapes).unlearnt)
                            .forEach(learn);
                }
                if (raster.clips > 0 || plan[e] === how.canvas
                    || !stamp(raster, values, i, plan, e, exact)) {
                    raster.canvasPaints(...boxOf(values, i));
                    painter.paintShape(raster.context, values, i);
                }
                i += lengthOf(values, i);
                ++planned;
                ++painted;
            }
        }
        if (showNow)
            raster.show();
        return { at: i, painted };
    }

    return { paint, learnAhead };
}
