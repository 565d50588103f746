// Opens the browser edition in the system's Chromium and keeps screenshots of the splash,
// the main window and page 1 after a press of «Обновить» in build-web/e2e/.
//   node tests/web/smoke.mjs URL OUT_DIR
import { chromium } from 'playwright-core';

const [url, out] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
});
const page = await browser.newPage({ viewport: { width: 1100, height: 800 } });
const messages = [];
page.on('console', (m) => messages.push(m.text()));
page.on('pageerror', (e) => messages.push(`page error: ${e.message}`));
const started = Date.now();
await page.goto(url);
await page.waitForTimeout(8000);
await page.screenshot({ path: `${out}/splash.png` });
await page.waitForTimeout(6000);
await page.screenshot({ path: `${out}/window.png` });
console.log(`shown after ${Date.now() - started} ms`);
// «Обновить» of page 1, where the window places it.
await page.mouse.click(54, 450);
await page.waitForTimeout(3000);
await page.screenshot({ path: `${out}/page1-pressed.png` });
for (const m of messages) console.log(`console: ${m}`);
await browser.close();
