// The option frames: each a selection group whose options write one field. The keyboard stops at
// a frame's selected option; the arrow keys choose the next one within the frame, Space the
// focused one. The hidden frame has no elements, but its options are selected all the same.
function createOptionFrames(design, client, api) {
    const options = new Map(); // name → { option, index, group, element }
    const byElement = new Map();
    const groups = [];
    design.frames.forEach((frame, frameIndex) => {
        const group = { frame, frameIndex, options: [], selected: null, element: null };
        groups.push(group);
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
        frame.options.forEach((option, index) => {
            const entry = { option, index, group, element: null };
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
                byElement.set(entry.element, entry);
            }
            group.options.push(entry);
            options.set(option.name, entry);
        });
    });

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
        api.selectOption(group.frameIndex, entry.index);
    }

    function optionAt(target) {
        const found = target.closest && target.closest(".option");
        return found ? byElement.get(found) : null;
    }

    const steps = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1 };
    return {
        tabStops: groups.filter((group) => group.element).map((group) => ({
            order: () => group.selected.option.order,
            element: () => group.selected && group.selected.element,
        })),
        selectByName: (name) => select(options.get(name)),
        handle(input) {
            if (input.type === "click") {
                const entry = optionAt(input.target);
                if (!entry)
                    return false;
                focusOn(entry.element);
                select(entry);
                return true;
            }
            const entry = input.type === "keydown" && byElement.get(document.activeElement);
            if (!entry)
                return false;
            if (input.key === " ") {
                select(entry);
                return true;
            }
            if (!(input.key in steps))
                return false;
            const siblings = entry.group.options;
            const next = siblings[(siblings.indexOf(entry) + steps[input.key] + siblings.length)
                                  % siblings.length];
            focusOn(next.element);
            select(next);
            return true;
        },
    };
}
