# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A browser that cannot run the program says why and what to do, instead of a blank or a page
loading for ever: one without WebGL (switched off, or no graphics driver), one whose WebAssembly
takes no 64-bit numbers as BigInt (Safari before iPadOS 14.5), and a device with too little memory
free for the program. Each stands in for such a browser with a few lines run before the page."""

import browser

LACKING = {
    "no WebGL": ("WebGL", """
        const getContext = HTMLCanvasElement.prototype.getContext;
        HTMLCanvasElement.prototype.getContext = function (type) {
            return /webgl/.test(type) ? null : getContext.apply(this, arguments);
        };"""),
    "no BigInt in WebAssembly": ("zu alt", """
        const Instance = WebAssembly.Instance;
        WebAssembly.Instance = function (module, imports) {
            const made = new Instance(module, imports), exports = {};
            for (const [name, value] of Object.entries(made.exports)) {
                exports[name] = typeof value !== "function" ? value : function () {
                    if (Array.from(arguments).some(function (v) { return typeof v === "bigint"; })) {
                        throw new TypeError("Invalid argument type in ToNumber operation");
                    }
                    return value.apply(this, arguments);
                };
            }
            return { exports: exports };
        };"""),
    "too little memory": ("zu wenig Speicher", """
        const refuse = function () {
            return Promise.reject(new RangeError(
                "WebAssembly.instantiate(): Out of memory: Cannot allocate Wasm memory"));
        };
        WebAssembly.instantiate = refuse;
        WebAssembly.instantiateStreaming = refuse;"""),
}

with browser.road() as page:
    for number, (what, (words, script)) in enumerate(LACKING.items()):
        url, stop = browser.start_server(browser.site_with(page.workdir, "lacking-%d" % number,
                                                           script))
        page.load(url)
        try:
            page.wait("!document.getElementById('message').hidden && document.getElementById("
                      "'status').textContent.includes(%r)" % words, timeout=20)
        except browser.Failed:
            page.fail("a browser with %s is not told so: the page says %r" % (
                what, page.js("const m = document.getElementById('message'); return m.hidden ? "
                              "'(nothing)' : document.getElementById('status').textContent")))
        stop()
    print("PASS: messages in %s: %s each said on the page" % (page.engine, ", ".join(LACKING)))
