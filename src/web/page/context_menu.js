// The drawing board's context menu of the teacher's commands, as on the desktop: the right
// button, the Menu key, or a long press of a finger opens it. The arrow keys, Home and End move
// in it, Enter or Space chooses, Esc or a click elsewhere closes it; the focus then goes back
// where it was.
function createContextMenu(texts, entries, parent) {
    const menu = element("div", { id: "board-menu", role: "menu", "aria-label": texts.boardMenu });
    menu.hidden = true;
    const items = entries.map((entry) => {
        const item = element("div", {
            class: "item",
            role: entry.on ? "menuitemcheckbox" : "menuitem",
            tabindex: "-1",
            "aria-keyshortcuts": entry.key.replace("Ctrl", "Control"),
        });
        const caption = element("span", { class: "caption" });
        caption.textContent = entry.caption;
        const key = element("span", { class: "key" });
        key.textContent = entry.key;
        item.append(caption, key);
        menu.append(item);
        return { item, entry };
    });
    parent.append(menu);

    let returnTo = null;
    let longPress = null; // a finger held still on the client area, until it opens the menu

    function open(x, y) {
        if (menu.hidden)
            returnTo = document.activeElement;
        for (const { item, entry } of items) {
            if (entry.on)
                item.setAttribute("aria-checked", String(entry.on()));
        }
        menu.hidden = false;
        const room = menu.getBoundingClientRect();
        menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - room.width))}px`;
        menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - room.height))}px`;
        focusOn(items[0].item);
    }

    function close() {
        menu.hidden = true;
        if (returnTo)
            focusOn(returnTo);
    }

    function choose(chosen) {
        close();
        chosen.entry.run();
    }

    function openAt(input) {
        // The Menu key and Shift+F10 open it at the focused control, the pointer where it is.
        if (input.clientX === 0 && input.clientY === 0 && document.activeElement) {
            const at = document.activeElement.getBoundingClientRect();
            open(at.left + at.width / 2, at.top + at.height / 2);
        } else {
            open(input.clientX, input.clientY);
        }
    }

    function handleWhileOpen(input) {
        if (input.type === "contextmenu") {
            openAt(input);
            return true;
        }
        const chosen = items.find(({ item }) => item.contains(input.target));
        if (input.type === "click") {
            if (chosen)
                choose(chosen);
            else
                close();
            return true;
        }
        if (input.type !== "keydown")
            return input.type.startsWith("pointer") && menu.contains(input.target);
        const at = items.findIndex(({ item }) => item === document.activeElement);
        const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: items.length - 1 };
        if (input.key in moves)
            focusOn(items[(moves[input.key] + items.length) % items.length].item);
        else if ((input.key === "Enter" || input.key === " ") && at >= 0)
            choose(items[at]);
        else if (input.key === "Escape" || input.key === "Tab")
            close();
        return true;
    }

    return {
        handle(input) {
            if (!menu.hidden)
                return handleWhileOpen(input);
            if (input.type === "contextmenu") {
                openAt(input);
                return true;
            }
            if (input.pointerType !== "touch")
                return false;
            if (input.type === "pointerdown" && !longPress) {
                const at = { x: input.clientX, y: input.clientY };
                longPress = { at, timer: setTimeout(() => {
                    longPress = null;
                    open(at.x, at.y);
                }, 600) };
            } else if (longPress && (input.type !== "pointermove"
                                     || Math.hypot(input.clientX - longPress.at.x,
                                                   input.clientY - longPress.at.y) > 10)) {
                clearTimeout(longPress.timer);
                longPress = null;
            }
            return false;
        },
    };
}
