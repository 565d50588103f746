// Opens the browser edition in the system's Chromium and waits for its main window.
import { chromium } from 'playwright-core';

// As this machine's Chromium wants it: no sandbox as root, software WebGL, and none of
// the browser's own connections (a closed network refuses them).
const kArguments = [
  '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--no-first-run', '--disable-quic',
];

export async function launchBrowser() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: kArguments });
}

// A browser with a profile of its own in the folder (not an incognito one: it may install
// a site as an app), as one browser context of the given options.
export async function launchProfile(folder, options) {
  return chromium.launchPersistentContext(folder, { executablePath: '/usr/bin/chromium', args: kArguments, ...options });
}

// A new page on url in a browser context of the given language (navigator.language) and
// screen, with or without the browser's save picker; resolves once the program says its
// main window is shown. onSplash(page) runs while the splash is up; messages collects what
// the page logs, for a failure's report.
export async function openWorkbench(browser, url, {
  locale = 'ru-RU', viewport = { width: 1100, height: 800 }, permissions = [], onSplash, screen = {},
  withoutSavePicker = false,
} = {}) {
  const context = await browser.newContext({ locale, viewport, permissions, acceptDownloads: true, ...screen });
  // A browser without Chromium's save picker (Firefox, Safari) saves by a download.
  if (withoutSavePicker) await context.addInitScript(() => { delete globalThis.showSaveFilePicker; });
  const page = await context.newPage();
  const messages = [];
  page.on('console', (m) => messages.push(m.text()));
  page.on('pageerror', (e) => messages.push(`page error: ${e.message}`));
  page.on('crash', () => messages.push('the page crashed'));
  const times = await startWorkbench(page, () => page.goto(url), onSplash);
  return { context, page, messages, ...times };
}

// Runs go(), which (re)loads the page, and waits for the program's main window; onSplash(page)
// runs while the splash is up. The times in ms from go() to the splash and to the window.
export async function startWorkbench(page, go, onSplash) {
  const reached = (step) => page.waitForFunction((s) => (globalThis.strsStartup || []).includes(s), step,
                                                 { timeout: 60000, polling: 10 });
  const started = Date.now();
  await go();
  await reached('splash shown');
  const splashAfter = Date.now() - started;
  if (onSplash) await onSplash(page);
  await reached('main window shown');
  return { splashAfter, windowAfter: Date.now() - started };
}

// Where a widget of the student's window (or a window by its name) is shown, in page
// coordinates, with its text and focus as strsWidget tells them; null while it is hidden.
// The page scales the canvas: the program's pixels are `scale` pixels of the page.
export async function widgetOnPage(page, objectName) {
  return page.evaluate((name) => {
    const found = globalThis.strsWidget(name);
    if (!found) return null;
    const canvas = document.querySelector('#qtcanvas');
    const shown = Element.prototype.getBoundingClientRect.call(canvas);
    const scale = shown.width / canvas.offsetWidth;
    return { ...found, x: shown.x + found.x * scale, y: shown.y + found.y * scale,
             width: found.width * scale, height: found.height * scale, scale };
  }, objectName);
}

// The centre of a widget of the student's window, in page coordinates.
export async function centreOf(page, objectName) {
  const rect = await widgetOnPage(page, objectName);
  if (!rect) throw new Error(`no visible widget named ${objectName}`);
  return { x: rect.x + rect.width / 2, y: rect.y + rect.height / 2 };
}

export async function clickWidget(page, objectName, options = {}) {
  const { x, y } = await centreOf(page, objectName);
  await page.mouse.click(x, y, options);
}
