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

// A new page on url in a browser context of the given language (navigator.language),
// with or without the browser's save picker;
// resolves once the program says its main window is shown. onSplash(page) runs while the
// splash is up; messages collects what the page logs, for a failure's report.
export async function openWorkbench(browser, url, {
  locale = 'ru-RU', viewport = { width: 1100, height: 800 }, permissions = [], onSplash, withoutSavePicker = false,
} = {}) {
  const context = await browser.newContext({ locale, viewport, permissions, acceptDownloads: true });
  // A browser without Chromium's save picker (Firefox, Safari) saves by a download.
  if (withoutSavePicker) await context.addInitScript(() => { delete globalThis.showSaveFilePicker; });
  const page = await context.newPage();
  const messages = [];
  page.on('console', (m) => messages.push(m.text()));
  page.on('pageerror', (e) => messages.push(`page error: ${e.message}`));
  page.on('crash', () => messages.push('the page crashed'));
  const reached = (step) => page.waitForFunction((s) => (globalThis.strsStartup || []).includes(s), step,
                                                 { timeout: 60000, polling: 10 });
  const started = Date.now();
  await page.goto(url);
  await reached('splash shown');
  const splashAfter = Date.now() - started;
  if (onSplash) await onSplash(page);
  await reached('main window shown');
  return { context, page, messages, splashAfter, windowAfter: Date.now() - started };
}

// The centre of a widget of the student's window, in page coordinates.
export async function centreOf(page, objectName) {
  const centre = await page.evaluate((name) => {
    const rect = globalThis.strsWidget(name);
    const canvas = document.querySelector('canvas').getBoundingClientRect();
    return rect && { x: canvas.x + rect.x + rect.width / 2, y: canvas.y + rect.y + rect.height / 2 };
  }, objectName);
  if (!centre) throw new Error(`no visible widget named ${objectName}`);
  return centre;
}

export async function clickWidget(page, objectName, options = {}) {
  const { x, y } = await centreOf(page, objectName);
  await page.mouse.click(x, y, options);
}
