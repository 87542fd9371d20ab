// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's JavaScript in the browser, linked into it as an Emscripten library
// (--js-library); src/platform/web/HostScript.h declares its functions for the C++ side.
//
// The page (packaging/web/index.html), the program (this file) and the tests (tests/web/*.py)
// meet on these names of window:
//
//   srClosed            set by the page: shows its closing page. The program calls it on "Ende".
//   srPageScale         set by the program: how many CSS pixels one pixel of the program takes.
//                       The tests read it, and wait for it as the sign that the program runs.
//   srFrame             set by the program before srPageScale: the frame drawn around each
//                       window, {border, title} in pixels of the program (a border on every side,
//                       the title bar below the top one). The tests read it to find a window's
//                       client area.
//   srDevicePixelRatio  set and read by the program: the browser's own devicePixelRatio, kept
//                       before the program enlarges the one Qt reads.
//   srKeyCode           set and read by the program: KeyboardEvent.code of the last key pressed
//                       or let go.
//   srFirstDraw         set and read by bench/web/startup.py alone, on the bare program too.
//   srShared            set and read by tests/web/test_worksheet.py alone: the files its
//                       stand-in for navigator.share received.
//   srDispatching       set and read by tests/web/browser.py alone: its page dispatches the
//                       pointer events of a finger or a pen the driver cannot send.
//
// The page also hands the program its screen, the element Qt draws into, as
// Module.qtContainerElements[0].

mergeInto(LibraryManager.library, {
  // The page is the program's screen, scaled up where it is larger than the largest window. Qt's
  // wasm plugin takes CSS pixels for its own (it does not follow QT_SCALE_FACTOR with the
  // pointer), so the screen element is made `scale` times smaller and a CSS transform stretches
  // it over the page; the device pixel ratio Qt reads grows by the same factor, rounded up to a
  // whole number, so the windows are drawn at least at the resolution they are shown at. (Qt 6.4
  // copies what changed in a window to the screen in whole device pixels: at a fractional ratio
  // the edges of each copied piece fall a pixel short, and after the ratio changed, with the page
  // turned over, whole labels stayed blank.) Pointer events give positions in the element's own
  // coordinates (offsetX), which the transform does not disturb; the size Qt reads of its canvas
  // is made the canvas's own size too, where the browser would give the stretched one.
  scalePage: function (scale) {
    const screen = Module.qtContainerElements[0];
    if (window.srDevicePixelRatio === undefined) {
      window.srDevicePixelRatio = window.devicePixelRatio;
      const measure = Element.prototype.getBoundingClientRect;
      Element.prototype.getBoundingClientRect = function () {
        const rect = measure.call(this);
        if (this.tagName !== "CANVAS" || !screen.contains(this)) {
          return rect;
        }
        const scale = window.srPageScale;
        return new DOMRect(rect.x / scale, rect.y / scale, rect.width / scale, rect.height / scale);
      };
    }
    window.srPageScale = scale;
    const ratio = Math.ceil(window.srDevicePixelRatio * scale - 0.01);
    Object.defineProperty(window, "devicePixelRatio", { configurable: true, get: function () { return ratio; } });
    screen.style.width = Math.ceil(window.innerWidth / scale) + "px";
    screen.style.height = Math.ceil(window.innerHeight / scale) + "px";
    screen.style.transformOrigin = "0 0";
    screen.style.transform = "scale(" + scale + ")";
  },

  // The frame that Qt's wasm plugin draws around every window, for the tests that look for the
  // windows on the page.
  announceFrame: function (border, title) {
    window.srFrame = { border: border, title: title };
  },

  // A finger or a pen works as the mouse does: Qt's wasm plugin takes pointer events of the
  // mouse alone, judges touch positions in page pixels, which the scaled screen would misplace,
  // and its touch events would reach the tiles only as synthesized clicks. The first finger's or
  // the pen's pointer events go on as mouse pointer events (a tap is a click, a drag a drag); a
  // second finger and the touch events themselves go nowhere.
  touchAsMouse: function () {
    const screen = Module.qtContainerElements[0];
    const forward = function (event) {
      if (event.pointerType !== "touch" && event.pointerType !== "pen") {
        return;
      }
      event.stopImmediatePropagation();
      event.preventDefault();
      if (!event.isPrimary) {
        return;
      }
      const type = event.type === "pointercancel" ? "pointerup" : event.type;
      const pressed = type === "pointerdown" || (type === "pointermove" && event.buttons !== 0);
      event.target.dispatchEvent(new PointerEvent(type, {
        bubbles: true, cancelable: true, composed: true, pointerId: event.pointerId,
        pointerType: "mouse", isPrimary: true, clientX: event.clientX, clientY: event.clientY,
        screenX: event.screenX, screenY: event.screenY,
        button: type === "pointermove" ? -1 : 0, buttons: pressed ? 1 : 0 }));
    };
    for (const type of ["pointerdown", "pointermove", "pointerup", "pointercancel"]) {
      screen.addEventListener(type, forward, true);
    }
    const swallow = function (event) {
      event.stopPropagation();
      if (event.cancelable) {
        event.preventDefault();
      }
    };
    for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"]) {
      screen.addEventListener(type, swallow, { capture: true, passive: false });
    }
  },

  // Qt's wasm plugin places a turn of the wheel by its position less the corner of the canvas,
  // both in page pixels where the scaled screen's own are meant: the wheel events go on with
  // their position divided by the page's scale, so the list under the pointer scrolls.
  wheelInPlace: function () {
    const screen = Module.qtContainerElements[0];
    const forwarded = new WeakSet();
    screen.addEventListener("wheel", function (event) {
      if (forwarded.has(event)) {
        return;
      }
      event.stopImmediatePropagation();
      event.preventDefault();
      const scale = window.srPageScale;
      const moved = new WheelEvent("wheel", {
        bubbles: true, cancelable: true, composed: true, clientX: event.clientX / scale,
        clientY: event.clientY / scale, screenX: event.screenX, screenY: event.screenY,
        deltaX: event.deltaX, deltaY: event.deltaY, deltaZ: event.deltaZ,
        deltaMode: event.deltaMode, buttons: event.buttons, ctrlKey: event.ctrlKey,
        shiftKey: event.shiftKey, altKey: event.altKey, metaKey: event.metaKey });
      forwarded.add(moved);
      event.target.dispatchEvent(moved);
    }, { capture: true, passive: false });
  },

  // Qt's key listeners sit on its canvas. On a touch screen Qt focuses a hidden input of its own
  // inside the canvas for the on-screen keyboard, and blurs or removes it again when a box
  // closes (a removed element takes the focus along without a word), and a tap never focuses
  // anything (Qt cancels the pointer's default): the focus would fall to the page's body, where
  // no key reaches the program until the page is reloaded. Whenever the focus has fallen to the
  // body, after the program let it go or when the program is touched, the canvas takes it back.
  // (Android's input, outside the screen, keeps it.)
  keepKeys: function () {
    const screen = Module.qtContainerElements[0];
    const focusCanvas = function () {
      const canvas = screen.querySelector("canvas");
      if (canvas && (!document.activeElement || document.activeElement === document.body)) {
        canvas.focus({ preventScroll: true });
      }
    };
    document.addEventListener("focusout", function (event) {
      if (screen.contains(event.target) && !event.relatedTarget) {
        setTimeout(focusCanvas, 0);
      }
    }, true);
    new MutationObserver(focusCanvas).observe(screen, { childList: true, subtree: true });
    screen.addEventListener("pointerdown", focusCanvas, true);
  },

  // Qt's wasm plugin hands key presses over without a scan code. The page remembers the code
  // (KeyboardEvent.code) of the key going down before Qt sees it, and each key event is sent on
  // with that key's HID usage as its scan code, so a main-row digit counts by the key itself.
  rememberKeyCodes: function () {
    window.addEventListener("keydown", function (event) { window.srKeyCode = event.code; }, true);
    window.addEventListener("keyup", function (event) { window.srKeyCode = event.code; }, true);
  },

  // The code remembered, as UTF-8 into `size` bytes at `code`; empty before the first key. The
  // codes are short words: a longer one is cut, never to the name of a digit key.
  lastKeyCode: function (code, size) {
    stringToUTF8(typeof window.srKeyCode === "string" ? window.srKeyCode : "", code, size);
  },

  showClosingPage: function () {
    if (typeof window.srClosed === "function") {
      window.srClosed();
    }
  },

  // Resolves to 1 once the browser holds the text, 0 where it refused, 2 where it offers this
  // page no clipboard at all (one not served over https or from the machine itself). The
  // program waits for the answer (Asyncify): Emscripten counts every import named __asyncjs__*
  // among ASYNCIFY_IMPORTS, where a list of our own would replace the one that Qt's link
  // options set.
  __asyncjs__writeClipboardText__deps: ["$Asyncify"],
  __asyncjs__writeClipboardText: function (text) {
    return Asyncify.handleAsync(async function () {
      if (!window.isSecureContext || !navigator.clipboard) {
        return 2;
      }
      try {
        await navigator.clipboard.writeText(UTF8ToString(text));
        return 1;
      } catch (error) {
        return 0;
      }
    });
  },

  // Hands a sheet's PDF over and resolves to how that ended (src/platform/SheetOffer.h): to the
  // system's share sheet where the browser can share files (iPadOS, ChromeOS, Windows), where
  // "Drucken" is one tap; else, or where sharing is refused, as a download. The bytes are
  // copied before the first wait, while the program's memory still holds them.
  __asyncjs__offerFile__deps: ["$Asyncify"],
  __asyncjs__offerFile: function (bytes, size, name) {
    const file = new File([HEAPU8.slice(bytes, bytes + size)], UTF8ToString(name),
                          { type: "application/pdf" });
    return Asyncify.handleAsync(async function () {
      if (navigator.canShare && navigator.canShare({ files: [file] })) {
        try {
          await navigator.share({ files: [file], title: file.name });
          return 3;
        } catch (error) {
          if (error.name === "AbortError") {
            return 4;
          }
        }
      }
      try {
        const url = URL.createObjectURL(file);
        const link = document.createElement("a");
        link.href = url;
        link.download = file.name;
        link.style.display = "none";
        document.body.appendChild(link);
        link.click();
        link.remove();
        // iPadOS Safari shows an error page instead of a download whose URL is revoked in the
        // task of its click (WebKit bug 211234): the URL lives on for a minute.
        setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
      } catch (error) {
        return 0;
      }
      // iPadOS reports itself as a Mac with a touch screen.
      const apple = /iPad|iPhone|iPod/.test(navigator.userAgent) ||
        (navigator.platform === "MacIntel" && navigator.maxTouchPoints > 1);
      return apple ? 2 : 1;
    });
  },
});
