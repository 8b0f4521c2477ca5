// HScroll1, the slowdown: whole values, the fastest at the left. An arrow or a click in the track
// moves it by one, the thumb can be dragged, and while it has the focus the arrow keys, Page Up
// and Page Down move it by one and Home and End to its ends. The field follows when a change is
// committed, not while the thumb is dragged.
function createSlider(design, client, api) {
    const box = design.slider.box;
    const minimum = design.slider.minimum;
    const maximum = design.slider.maximum;
    const slider = place(element("div", {
        id: design.slider.name,
        class: "slider",
        role: "slider",
        tabindex: "0",
        "aria-label": design.slider.accessibleName,
        "aria-description": design.slider.description,
        "aria-valuemin": minimum,
        "aria-valuemax": maximum,
        "aria-orientation": "horizontal",
    }), box);
    const arrowWidth = box[3] - 2;
    const thumbWidth = 16;
    const less = element("div", { class: "arrow less" });
    const more = element("div", { class: "arrow more" });
    const thumb = element("div", { class: "thumb" });
    less.style.cssText = `left: 0; width: ${arrowWidth}px`;
    more.style.cssText = `right: 0; width: ${arrowWidth}px`;
    thumb.style.width = `${thumbWidth}px`;
    slider.append(less, more, thumb);
    client.append(slider);

    const travel = box[2] - 2 - 2 * arrowWidth - thumbWidth;
    let value = minimum;
    let drag = null; // the thumb being dragged: where it was taken and the value it shows

    // The whole value within the range nearest to a value.
    const stop = (wanted) => Math.min(maximum, Math.max(minimum, Math.round(wanted)));

    function show(shown) {
        thumb.style.left = `${arrowWidth + travel * (shown - minimum) / (maximum - minimum)}px`;
        slider.setAttribute("aria-valuenow", shown);
        slider.title = design.slider.toolTips[shown - minimum];
    }

    function commit(wanted) {
        const committed = stop(wanted);
        show(committed);
        if (committed === value)
            return;
        value = committed;
        api.sliderChanged(committed);
    }

    // A drag keeps the pointer, even off the slider, until it is let go, which commits the value
    // shown; a drag that the browser or the system cancels commits nothing.
    function dragThumb(input) {
        if (input.type === "pointerdown") {
            focusOn(slider);
            keepPointer(thumb, input);
            drag = { x: input.clientX, from: value, value };
            return;
        }
        if (input.type === "pointercancel" || input.type === "lostpointercapture") {
            show(value);
            drag = null;
            return;
        }
        const scale = thumb.getBoundingClientRect().width / thumbWidth;
        const moved = (input.clientX - drag.x) / scale / travel * (maximum - minimum);
        drag.value = stop(drag.from + moved);
        show(drag.value);
        if (input.type === "pointerup") {
            commit(drag.value);
            drag = null;
        }
    }

    // An arrow or the thumb pressed keeps the pointer, so that a finger that slides off still
    // ends its press there. A press handled after a run may find its pointer gone already.
    function keepPointer(part, input) {
        try {
            part.setPointerCapture(input.pointerId);
        } catch {
            // then the press goes on without it
        }
    }

    const keys = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1, PageUp: -1,
                   PageDown: 1 };
    function handleKey(key) {
        if (key in keys)
            commit(value + keys[key]);
        else if (key === "Home")
            commit(minimum);
        else if (key === "End")
            commit(maximum);
        else
            return false;
        return true;
    }

    function handleClick(target, clientX) {
        if (target === less || target === more) {
            focusOn(slider);
            commit(value + (target === less ? -1 : 1));
        } else if (target === thumb) {
            focusOn(slider);
        } else if (target === slider) {
            focusOn(slider);
            commit(value + (clientX < thumb.getBoundingClientRect().left ? -1 : 1));
        } else {
            return false;
        }
        return true;
    }

    show(value);
    return {
        tabStops: [{ order: () => design.slider.order, element: () => slider }],
        // Pointer moves matter only while the thumb is dragged.
        wantsPointerMoves: () => drag !== null,
        handle(input) {
            const pointer = input.type.startsWith("pointer") || input.type === "lostpointercapture";
            if (pointer && (drag || input.target === thumb)) {
                if (drag || input.type === "pointerdown")
                    dragThumb(input);
                return true;
            }
            if (input.type === "pointerdown" && (input.target === less || input.target === more))
                keepPointer(input.target, input);
            if (input.type === "click")
                return handleClick(input.target, input.clientX);
            return input.type === "keydown" && document.activeElement === slider
                && handleKey(input.key);
        },
    };
}
