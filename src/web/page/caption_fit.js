// The controls' captions, condensed horizontally where the engine sets one wider than its
// control leaves it (whole-pixel glyph advances, a user's minimum font size): the same font,
// never clipped, never wrapped. A caption that fits is left as it is.
function fitCaptions(client) {
    for (const caption of client.querySelectorAll(
             ".button > .caption, .frame > .legend, .option > .caption")) {
        caption.style.transform = "";
        caption.style.marginRight = "";
        const control = caption.closest(".button, .frame, .option");
        const border = control.querySelector(".border") || control;
        const box = control.getBoundingClientRect();
        // In client-area pixels, whatever the client area is scaled by.
        const scale = box.width / control.offsetWidth;
        const set = caption.getBoundingClientRect();
        const room = box.right - parseFloat(getComputedStyle(border).borderRightWidth) * scale
            - set.left;
        if (set.width <= room)
            continue;
        const natural = set.width / scale;
        const condensed = room / set.width;
        caption.style.transform = `scaleX(${condensed})`;
        // Laid out as wide as it shows, so that a button centres it.
        caption.style.marginRight = `${natural * (condensed - 1)}px`;
    }
}
