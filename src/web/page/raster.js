// A canvas's pixels, held by the script as well, so that stamps are written straight into them
// and the canvas is handed the boxes they changed as images, rather than asked to rasterise a
// path for each shape. The canvas still paints what is not stamped (labels, fills, slanted
// lines): it is handed every stamp before it paints, and where it painted, its pixels are read
// back before a stamp goes there, so the two never disagree. A box the canvas painted thus never
// holds a stamp it has not been handed, however the boxes are joined; a box of stamps may hold
// what the canvas painted, which is read before the box is handed. Boxes are
// [left, top, right, bottom) in device pixels.
function createRaster(canvas, context, image = null) {
    const width = canvas.width;
    const height = canvas.height;
    let words = image && new Uint32Array(image.data.buffer);
    const written = createBoxes(); // stamped since the canvas was last handed them
    const painted = createBoxes(); // painted by the canvas since they were last read
    // The box of the latest stamps, grown while they fall near one another (a step's impact
    // dots), as numbers: joined to the written boxes only once stamps go elsewhere.
    let latest = null;
    const near = 8;
    const mostPainted = 32;

    function settle() {
        if (latest) {
            written.add(...latest);
            latest = null;
        }
    }

    function read(boxes) {
        for (const [left, top, right, bottom] of boxes) {
            const across = right - left;
            const pixels = new Uint32Array(
                context.getImageData(left, top, across, bottom - top).data.buffer);
            for (let y = top; y < bottom; ++y)
                words.set(pixels.subarray((y - top) * across, (y - top + 1) * across),
                          y * width + left);
        }
    }

    // Hands the canvas what was stamped within these boxes, what it painted there read first.
    function hand(boxes) {
        for (const box of boxes) {
            read(painted.takeMeeting(...box));
            const [left, top, right, bottom] = box;
            context.putImageData(image, 0, 0, left, top, right - left, bottom - top);
        }
    }

    return {
        canvas,
        context,
        width,
        height,
        clips: 0, // how many clips of the canvas's are in force: stamps would ignore them
        // The pixels, packed as the canvas's image data packs them (red in the low byte), to be
        // stamped within a box; tell stamped() if any changed.
        pixelsFor(left, top, right, bottom) {
            if (!words) {
                image = context.getImageData(0, 0, width, height);
                words = new Uint32Array(image.data.buffer);
                painted.takeMeeting(0, 0, width, height);
            }
            read(painted.takeMeeting(left, top, right, bottom));
            return words;
        },
        stamped(left, top, right, bottom) {
            if (latest && left < latest[2] + near && latest[0] < right + near
                && top < latest[3] + near && latest[1] < bottom + near) {
                latest[0] = Math.min(latest[0], left);
                latest[1] = Math.min(latest[1], top);
                latest[2] = Math.max(latest[2], right);
                latest[3] = Math.max(latest[3], bottom);
                return;
            }
            settle();
            latest = [left, top, right, bottom];
        },
        // The canvas is about to paint it all in one colour, packed as a canvas call takes it:
        // its pixels are known without reading them.
        canvasFills(colour) {
            this.show();
            painted.takeMeeting(0, 0, width, height);
            if (!words) {
                image = context.createImageData(width, height);
                words = new Uint32Array(image.data.buffer);
            }
            words.fill((0xff000000 | colour) >>> 0);
        },
        // The canvas is about to paint within this box.
        canvasPaints(left, top, right, bottom) {
            const box = [Math.max(0, left), Math.max(0, top), Math.min(width, right),
                         Math.min(height, bottom)];
            if (box[0] >= box[2] || box[1] >= box[3])
                return;
            this.show();
            // Many boxes slow every stamp down, and the box around them would be read whole.
            if (painted.count() >= mostPainted)
                read(painted.takeMeeting(0, 0, width, height));
            painted.add(...box);
        },
        // Hands the canvas all that was stamped.
        show() {
            settle();
            hand(written.takeMeeting(0, 0, width, height));
        },
        // The pixels as they are, for a canvas that is shown in this one's place.
        image() {
            this.show();
            this.pixelsFor(0, 0, width, height);
            return image;
        },
    };
}

// Boxes, and the box around them all. A box that meets one already there is joined with it.
function createBoxes() {
    const none = [];
    let boxes = [];
    let around = null;
    const meets = (a, left, top, right, bottom) => a[0] < right && left < a[2] && a[1] < bottom
        && top < a[3];
    function grow(box, left, top, right, bottom) {
        box[0] = Math.min(box[0], left);
        box[1] = Math.min(box[1], top);
        box[2] = Math.max(box[2], right);
        box[3] = Math.max(box[3], bottom);
    }
    return {
        count: () => boxes.length,
        add(left, top, right, bottom) {
            const into = boxes.find((box) => meets(box, left, top, right, bottom));
            if (into) {
                grow(into, left, top, right, bottom);
                for (let k = boxes.length - 1; k >= 0; --k) {
                    if (boxes[k] !== into && meets(boxes[k], ...into)) {
                        grow(into, ...boxes[k]);
                        boxes.splice(k, 1);
                    }
                }
            } else {
                boxes.push([left, top, right, bottom]);
            }
            if (around)
                grow(around, left, top, right, bottom);
            else
                around = [left, top, right, bottom];
        },
        // The boxes that meet this one, no longer among them.
        takeMeeting(left, top, right, bottom) {
            if (!around || !meets(around, left, top, right, bottom))
                return none;
            const taken = boxes.filter((box) => meets(box, left, top, right, bottom));
            if (taken.length) {
                boxes = boxes.filter((box) => !taken.includes(box));
                around = null;
                for (const box of boxes) {
                    if (around)
                        grow(around, ...box);
                    else
                        around = box.slice();
                }
            }
            return taken;
        },
    };
}
