// Start and Konec. A click, or Enter or Space while one has the focus, presses it.
function createButtons(design, client, actions) {
    const buttons = new Map(); // element → what pressing it does
    const tabStops = [];
    for (const button of design.buttons) {
        const made = place(element("button", { id: button.name, class: "button", tabindex: "0" }),
                           button.box);
        const caption = element("span", { class: "caption" });
        caption.textContent = button.caption;
        made.append(caption);
        made.style.font = cssFont(design.buttonFont);
        buttons.set(made, button.name === "cmdStart" ? actions.start : actions.end);
        tabStops.push({ order: () => button.order, element: () => made });
        client.append(made);
        // The pressed look follows the pointer, but not while the board is busy, when the press
        // itself waits.
        for (const [type, pressed] of [["pointerdown", true], ["pointerup", false],
                                       ["pointerleave", false]]) {
            made.addEventListener(type, () => {
                if (!actions.busy())
                    made.classList.toggle("pressed", pressed);
            });
        }
    }

    function press(button) {
        focusOn(button);
        buttons.get(button)();
    }

    return {
        tabStops,
        first: () => buttons.keys().next().value,
        handle(input) {
            const clicked = input.type === "click" && input.target.closest("button");
            if (clicked && buttons.has(clicked)) {
                press(clicked);
                return true;
            }
            const focused = document.activeElement;
            if (input.type === "keydown" && (input.key === "Enter" || input.key === " ")
                && buttons.has(focused)) {
                press(focused);
                return true;
            }
            return false;
        },
    };
}
