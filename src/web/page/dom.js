// Small helpers that every room of the page builds its elements with.

function element(tag, attributes) {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {}))
        made.setAttribute(name, value);
    return made;
}

// Puts an element at a design box: left, top, width, height in client-area pixels.
function place(made, box) {
    made.style.left = `${box[0]}px`;
    made.style.top = `${box[1]}px`;
    made.style.width = `${box[2]}px`;
    made.style.height = `${box[3]}px`;
    return made;
}

function cssFont(font) {
    return `${font.bold ? "bold " : ""}${font.size}px "${font.family}", ${font.generic}`;
}

// The page, not the browser, moves the focus, and never scrolls for it.
function focusOn(target) {
    target.focus({ preventScroll: true });
}

// Runs work as soon as the page has answered what waits, without the clamping that nested
// timers get.
const soonChannel = new MessageChannel();
const soonQueue = [];
soonChannel.port1.onmessage = () => soonQueue.shift()();
function soon(work) {
    soonQueue.push(work);
    soonChannel.port2.postMessage(null);
}
