// Fits the program's window into the page. The canvas is the program's screen, and the
// program shows its main window full screen on it; so the canvas is laid out at the main
// window's size and scaled as a whole with a CSS transform, to the largest size at which it
// fits the stage, in the stage's middle. The program is told a device pixel ratio grown by
// the same scale, so that it paints at the display's real resolution: one pixel of its
// canvas is one pixel of the display.
//
// The program's toolkit measures the canvas with getBoundingClientRect and places pointer
// events by offsetX/offsetY, which a transform leaves in the canvas's own pixels; touches
// and the wheel it places by clientX against the canvas's box, so these reach it as
// events of its own coordinates (see forwardCorrected).
'use strict';

globalThis.strsFit = (() => {
  // The main window's size until the program tells it.
  let windowSize = { width: 693, height: 479 };
  let canvas = null;
  let stage = null;
  let scale = 1;
  let module = () => undefined;

  // The browser's own ratio, read through its getter (on the window or its prototype).
  const dprGetter = (() => {
    for (let o = globalThis; o; o = Object.getPrototypeOf(o)) {
      const property = Object.getOwnPropertyDescriptor(o, 'devicePixelRatio');
      if (property?.get) return property.get;
    }
    return null;
  })();
  const realDevicePixelRatio = () => (dprGetter ? dprGetter.call(globalThis) : 1);

  // The largest scale at which the window fits the stage, with a pixel ratio that is a
  // whole number of eighths; the canvas is the window's size rounded up to a whole number
  // of device pixels (the few pixels more show the window's background). Its picture is
  // then shown pixel for pixel, neither blurred nor cut.
  function chooseScale(stageWidth, stageHeight) {
    const dpr = realDevicePixelRatio();
    const largest = Math.min(stageWidth / windowSize.width, stageHeight / windowSize.height);
    let eighths = Math.max(1, Math.floor(largest * dpr * 8 + 1e-9));
    for (;; --eighths) {
      const s = eighths / 8 / dpr;
      const step = 8 / gcd(eighths, 8);  // canvas sizes that are whole device pixels
      const width = Math.ceil(windowSize.width / step) * step;
      const height = Math.ceil(windowSize.height / step) * step;
      if ((width * s <= stageWidth + 1e-6 && height * s <= stageHeight + 1e-6) || eighths === 1) {
        return { s, width, height };
      }
    }
  }

  function gcd(a, b) { return b === 0 ? a : gcd(b, a % b); }

  // A device pixel's place, in CSS pixels.
  function snapped(cssPixels) {
    const dpr = realDevicePixelRatio();
    return Math.round(cssPixels * dpr) / dpr;
  }

  function refit() {
    const box = stage.getBoundingClientRect();
    if (box.width <= 0 || box.height <= 0) return;
    const { s, width, height } = chooseScale(box.width, box.height);
    scale = s;
    const left = snapped(box.left + (box.width - width * s) / 2) - box.left;
    const top = snapped(box.top + (box.height - height * s) / 2) - box.top;
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
    canvas.style.transform = `translate(${left}px, ${top}px) scale(${s})`;
    // The program reads the new size and ratio now, and paints every window afresh.
    module()?.qtResizeAllScreens?.(null);
    globalThis.strsPageRepaint?.();
  }

  // The canvas as the program must see it: where it is shown, at its own size.
  function canvasBox() {
    const shown = Element.prototype.getBoundingClientRect.call(canvas);
    return new DOMRect(shown.left, shown.top, canvas.offsetWidth, canvas.offsetHeight);
  }

  // A touch or a turn of the wheel over the canvas reaches the program as an event at
  // the canvas pixel under it: touches as the mouse (the toolkit places a touch where the
  // unscaled canvas would have it, and a mouse event where it is), the wheel at a client
  // position the toolkit's subtraction turns into that pixel.
  function forwardCorrected(event) {
    if (!event.isTrusted || event.target !== canvas) return;
    const box = canvasBox();
    const local = (e) => ({ clientX: box.left + (e.clientX - box.left) / scale,
                            clientY: box.top + (e.clientY - box.top) / scale });
    if (event.type.startsWith('touch')) {
      event.stopPropagation();  // the pointer events below stand for it
      if (event.cancelable) event.preventDefault();
      return;
    }
    if (event.type === 'wheel') {
      event.stopPropagation();
      event.preventDefault();
      canvas.dispatchEvent(new WheelEvent('wheel', {
        ...local(event), screenX: event.screenX, screenY: event.screenY, deltaX: event.deltaX,
        deltaY: event.deltaY, deltaZ: event.deltaZ, deltaMode: event.deltaMode, ctrlKey: event.ctrlKey,
        shiftKey: event.shiftKey, altKey: event.altKey, metaKey: event.metaKey, buttons: event.buttons,
        bubbles: true, cancelable: true,
      }));
      return;
    }
    if (event.pointerType === 'touch' || event.pointerType === 'pen') {
      event.stopPropagation();
      canvas.dispatchEvent(new PointerEvent(event.type, {
        clientX: event.clientX, clientY: event.clientY, screenX: event.screenX, screenY: event.screenY,
        pointerId: event.pointerId, pointerType: 'mouse', isPrimary: event.isPrimary,
        button: event.button, buttons: event.buttons, ctrlKey: event.ctrlKey, shiftKey: event.shiftKey,
        altKey: event.altKey, metaKey: event.metaKey, bubbles: true, cancelable: true,
      }));
    }
  }

  function start(canvasElement, stageElement, moduleOf) {
    canvas = canvasElement;
    stage = stageElement;
    module = moduleOf;
    canvas.getBoundingClientRect = canvasBox;
    Object.defineProperty(globalThis, 'devicePixelRatio', {
      configurable: true, enumerable: true, get: () => realDevicePixelRatio() * scale,
    });
    for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel', 'wheel',
                        'pointerdown', 'pointermove', 'pointerup', 'pointercancel']) {
      globalThis.addEventListener(type, forwardCorrected, { capture: true, passive: false });
    }
    new ResizeObserver(refit).observe(stage);
    globalThis.addEventListener('strs-window-size', (event) => { windowSize = event.detail; refit(); });
    watchPixelRatio();
    refit();
  }

  // A zoom or another display changes the device pixel ratio: the fit is chosen anew.
  function watchPixelRatio() {
    const query = matchMedia(`(resolution: ${realDevicePixelRatio()}dppx)`);
    query.addEventListener('change', () => { refit(); watchPixelRatio(); }, { once: true });
  }

  return { start, refit, scale: () => scale, realDevicePixelRatio };
})();
