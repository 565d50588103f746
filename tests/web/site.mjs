// The site as a student meets it, on a large monitor, a laptop and a phone held upright:
// the loading with its progress, the splash and the window fitted whole into the page,
// centred and painted pixel for pixel, the page around it (title, links, version,
// language, keyboard), the offline copy (the server stopped, the page reloaded, «Обновить»
// pressed on every page), the language switch, and what the page says without
// WebAssembly or memory. Each screen has a server and a browser profile of its own;
// screenshots go to OUT_DIR as <screen>-<what>.png.
//   node tests/web/site.mjs SITE_DIR OUT_DIR
import assert from 'node:assert/strict';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serveFolder } from './static_server.mjs';
import { launchProfile, startWorkbench, widgetOnPage } from './workbench_page.mjs';

const [siteDir, out] = process.argv.slice(2);
mkdirSync(out, { recursive: true });

const kScreens = [
  { name: '1920x1080', viewport: { width: 1920, height: 1080 } },
  { name: '1366x768', viewport: { width: 1366, height: 768 } },
  { name: '390x844', viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
];
const kPages = [
  { button: 'BB1', chart: 'Chart11' },
  { button: 'BitBtn1', chart: 'Chart21' },
  { button: 'BB3', chart: 'Chart31' },
  { button: 'BitBtn2', chart: 'Chart41' },
];
// The program's files arrive this fast on the first visit, so that their progress is seen.
const kThrottledBytesPerSecond = 8e6;

const painted = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

async function step(name, body) {
  const started = Date.now();
  await body();
  console.log(`ok      ${name} (${Date.now() - started} ms)`);
}

// Where the program's stage, the viewport and the canvas are, and the canvas's pixels.
const pageLayout = (page) => page.evaluate(() => {
  const canvas = document.querySelector('#qtcanvas');
  const shown = Element.prototype.getBoundingClientRect.call(canvas);
  const stage = document.querySelector('#stage').getBoundingClientRect();
  return {
    stage: { x: stage.x, y: stage.y, width: stage.width, height: stage.height },
    canvas: { width: shown.width, height: shown.height, pixels: canvas.width, rows: canvas.height },
    devicePixelRatio: strsFit.realDevicePixelRatio(),
    viewport: { width: innerWidth, height: innerHeight },
  };
});

// The window is whole in the stage and the viewport, in the stage's middle.
function assertFitted(shown, { stage, viewport }, what, { fills }) {
  const margins = { left: shown.x - stage.x, right: stage.x + stage.width - (shown.x + shown.width),
                    top: shown.y - stage.y, bottom: stage.y + stage.height - (shown.y + shown.height) };
  for (const [side, margin] of Object.entries(margins)) assert.ok(margin >= -0.5, `${what}: cut off at the ${side} (${margin})`);
  assert.ok(shown.x + shown.width <= viewport.width + 0.5 && shown.y + shown.height <= viewport.height + 0.5,
            `${what}: inside the viewport`);
  // Centred to within a pixel of the program's screen (its windows lie on whole pixels).
  const pixel = shown.scale + 1;
  assert.ok(Math.abs(margins.left - margins.right) <= pixel, `${what}: centred across (${margins.left}, ${margins.right})`);
  assert.ok(Math.abs(margins.top - margins.bottom) <= pixel, `${what}: centred down (${margins.top}, ${margins.bottom})`);
  if (fills) {
    const filled = Math.max(shown.width / stage.width, shown.height / stage.height);
    assert.ok(filled >= 0.9, `${what}: as large as the stage allows (${filled.toFixed(3)})`);
  }
}

// Opens a page by its tab and presses its «Обновить», with the mouse or a finger; the chart
// shows new series (the first press of a page, or any press of a page of random series).
async function pressPage(page, index, touch) {
  const { button, chart } = kPages[index];
  const press = (x, y) => (touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
  const bar = await widgetOnPage(page, 'qt_tabwidget_tabbar');
  await press(bar.x + (index + 0.5) * (bar.width / kPages.length), bar.y + bar.height / 2);
  await painted(page);
  const target = await widgetOnPage(page, button);
  assert.ok(target, `page ${index + 1} is shown`);
  const before = (await widgetOnPage(page, chart))?.text;  // no chart before the first press
  await press(target.x + target.width / 2, target.y + target.height / 2);
  await painted(page);
  const after = await widgetOnPage(page, chart);
  assert.ok(after && after.text !== before, `«${target.text}» of page ${index + 1} drew new series`);
}

async function pressEveryPage(page, touch) {
  for (const index of kPages.keys()) await pressPage(page, index, touch);
}

// What the page says instead of the program, with the way to the desktop version.
async function refusal(context, url, breakBrowser) {
  const page = await context.newPage();
  await page.addInitScript(breakBrowser);
  await page.goto(url);
  await page.waitForSelector('#help:not([hidden]) a.desktop', { timeout: 30000 });
  return { page, text: await page.textContent('#status') };
}

for (const screen of kScreens) {
  const server = await serveFolder(siteDir);
  const { url } = server;
  const shot = (page, what) => page.screenshot({ path: join(out, `${screen.name}-${what}.png`) });
  const { name, ...options } = screen;
  const profile = mkdtempSync(join(tmpdir(), 'strs-site-'));
  const context = await launchProfile(profile, { locale: 'ru-RU', ...options });
  try {
    const page = context.pages()[0] || await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    const requested = [];
    page.on('request', (r) => requested.push(new URL(r.url()).pathname));
    console.log(`-- ${name}`);

    await step(`${name}: the first visit shows the bytes loaded of the total, then the splash in the middle`, async () => {
      const cdp = await context.newCDPSession(page);
      await cdp.send('Network.emulateNetworkConditions', {
        offline: false, latency: 0, downloadThroughput: kThrottledBytesPerSecond, uploadThroughput: -1,
      });
      await page.addInitScript(() => {
        globalThis.progressSeen = [];
        addEventListener('DOMContentLoaded', () => {
          const bar = document.querySelector('#progress');
          const text = document.querySelector('#progress-text');
          new MutationObserver(() => progressSeen.push({ value: bar.value, max: bar.max, text: text.textContent }))
            .observe(text, { childList: true, characterData: true, subtree: true });
        });
      });
      await startWorkbench(page, async () => {
        await page.goto(url);
        await page.waitForFunction(() => progressSeen.some((p) => p.value > 0 && p.value < p.max), null, { polling: 10 });
        await shot(page, 'loading');
      }, async () => {
        // Asked at once: the splash stays 0.9 s.
        const [splash, layout] = [await widgetOnPage(page, 'Form2'), await pageLayout(page)];
        await shot(page, 'splash');
        assert.ok(splash, 'the splash is shown');
        assertFitted(splash, layout, 'the splash', { fills: false });
      });
      await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
      const seen = await page.evaluate(() => progressSeen);
      const total = seen.at(-1).max;
      assert.ok(seen.length >= 3, `the progress moved: ${seen.length} steps`);
      assert.ok(seen.every((p, i) => i === 0 || p.value >= seen[i - 1].value), 'the bytes only grow');
      assert.equal(seen.at(-1).value, total, 'all bytes arrived');
      assert.match(seen.at(-1).text, /^(\d+,\d) из \1 МБ$/, `bytes of the total: ${seen.at(-1).text}`);
    });

    await step(`${name}: the window fits whole, centred, painted pixel for pixel`, async () => {
      await painted(page);
      await shot(page, 'window');
      const layout = await pageLayout(page);
      const window = await widgetOnPage(page, 'Form1');
      assertFitted(window, layout, 'the window', { fills: true });
      const { canvas, devicePixelRatio } = layout;
      assert.ok(Math.abs(canvas.pixels - canvas.width * devicePixelRatio) < 0.01
                && Math.abs(canvas.rows - canvas.height * devicePixelRatio) < 0.01,
                `one canvas pixel a device pixel: ${canvas.pixels} × ${canvas.rows} for ${canvas.width} × ${canvas.height} at ${devicePixelRatio}`);
      const turnHint = await page.isVisible('#turn');
      assert.equal(turnHint, screen.viewport.width < screen.viewport.height && screen.viewport.width < 701,
                   'the hint to turn the device only on an upright phone');
      // The wheel turned over the list of laws picks another law, and back.
      const list = await widgetOnPage(page, 'CB1');
      const parameter = async () => (await widgetOnPage(page, 'CB1')).text;
      const firstLaw = await parameter();
      await page.mouse.move(list.x + list.width / 2, list.y + list.height / 2);
      for (const [delta, another] of [[100, true], [-100, false]]) {
        await page.mouse.wheel(0, delta);
        await painted(page);
        assert.equal((await parameter()) !== firstLaw, another, `the wheel over the laws (${delta})`);
      }
      await pressEveryPage(page, !!screen.hasTouch);
      await shot(page, 'pressed');
    });

    await step(`${name}: fitted again when the browser zooms or the phone is turned`, async () => {
      // A zoom of 150 %: fewer CSS pixels, each of more device pixels; a phone turned sideways.
      const { width, height } = screen.viewport;
      const changed = screen.isMobile
        ? { width: height, height: width, deviceScaleFactor: screen.deviceScaleFactor, mobile: true }
        : { width: Math.round(width / 1.5), height: Math.round(height / 1.5), deviceScaleFactor: 1.5, mobile: false };
      const cdp = await context.newCDPSession(page);
      await cdp.send('Emulation.setDeviceMetricsOverride', changed);
      await page.waitForFunction((w) => innerWidth === w, changed.width);
      await painted(page);
      await painted(page);
      const layout = await pageLayout(page);
      assert.equal(layout.devicePixelRatio, changed.deviceScaleFactor);
      const window = await widgetOnPage(page, 'Form1');
      assertFitted(window, layout, 'the window refitted', { fills: true });
      assert.ok(Math.abs(layout.canvas.pixels - layout.canvas.width * layout.devicePixelRatio) < 0.01, 'still pixel for pixel');
      assert.equal(await page.isVisible('#turn'), false, 'no hint to turn a device lying sideways');
      await pressPage(page, 1, !!screen.hasTouch);  // a page of random series, pressed before
      // Taken by the browser as it stands (a screenshot of the test's own would restore its screen).
      const { data } = await cdp.send('Page.captureScreenshot');
      writeFileSync(join(out, `${name}-${screen.isMobile ? 'turned' : 'zoomed'}.png`), Buffer.from(data, 'base64'));
      await cdp.send('Emulation.clearDeviceMetricsOverride');
      await page.setViewportSize(screen.viewport);
      await page.waitForFunction((w) => innerWidth === w, width);
      await painted(page);
    });

    await step(`${name}: the page around: title, language, links, version, all by keyboard`, async () => {
      assert.equal(await page.getAttribute('html', 'lang'), 'ru');
      assert.match(await page.textContent('h1'), /Статистическая теория радиотехнических систем/);
      assert.equal(await page.getAttribute('a[aria-current="true"]', 'lang'), 'ru', 'Russian is the current language');
      assert.match(await page.textContent('.version'), /^Версия \d+\.\d+/);
      for (const href of await page.$$eval('header a.desktop, header a[href="manual.html"]', (as) => as.map((a) => a.href))) {
        const answer = await page.evaluate((h) => fetch(h).then((r) => r.status), href);
        assert.equal(answer, 200, `${href} is there`);
      }
      // From the top of the page, Tab reaches every control of the header, then the window.
      await page.evaluate(() => { document.body.tabIndex = -1; document.body.focus(); });
      const reached = [];
      for (let i = 0; i < 8 && !reached.includes('CANVAS'); ++i) {
        await page.keyboard.press('Tab');
        reached.push(await page.evaluate(() => document.activeElement.textContent.trim() || document.activeElement.tagName));
      }
      assert.deepEqual(reached, ['Русский', 'English', 'Программа для компьютера', 'Руководство (англ.)', 'CANVAS']);
    });

    await step(`${name}: installable, kept offline: the server stopped, the reloaded page works`, async () => {
      const cdp = await context.newCDPSession(page);
      const { errors: manifestErrors } = await cdp.send('Page.getAppManifest');
      assert.deepEqual(manifestErrors, [], 'the manifest reads without errors');
      const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, [], 'the browser may install the site as an app');
      const named = requested.filter((p) => !/\/(index\.html|sw\.js|manifest\.webmanifest|manual\.html)?$/.test(p));
      assert.ok(named.length >= 5 && named.every((p) => /\.[0-9a-f]{12}\.[a-z]+$/.test(p)),
                `the files the page loads are named after their contents: ${named.join(' ')}`);
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      await server.stop();
      await assert.rejects(fetch(url), 'the server is gone');
      await startWorkbench(page, () => page.reload());
      await pressEveryPage(page, !!screen.hasTouch);
      await shot(page, 'offline');
    });

    await step(`${name}: the language switch restarts the window in English, offline too`, async () => {
      await startWorkbench(page, () => Promise.all([page.waitForURL(/lang=en/), page.click('a[lang="en"]')]));
      assert.equal(await page.getAttribute('html', 'lang'), 'en');
      assert.match(await page.title(), /Statistical theory of radio-engineering systems/);
      const refresh = await widgetOnPage(page, 'BB1');
      assert.equal(refresh.text, 'Refresh');
      await painted(page);
      await shot(page, 'english');
      // Chosen once, kept: the page without ?lang= stays English.
      await startWorkbench(page, () => page.goto(url));
      assert.equal((await widgetOnPage(page, 'BB1')).text, 'Refresh');
      await page.focus('a[lang="ru"]');
      await startWorkbench(page, () => Promise.all([page.waitForURL(/lang=ru/), page.keyboard.press('Enter')]));
      assert.equal((await widgetOnPage(page, 'BB1')).text, 'Обновить');
    });

    await step(`${name}: without WebAssembly or its vector instructions, or out of memory, the page says so and offers the desktop version`, async () => {
      const missing = await refusal(context, url, () => { delete globalThis.WebAssembly; });
      assert.match(missing.text, /WebAssembly/);
      await shot(missing.page, 'no-webassembly');
      await missing.page.close();
      // A browser whose WebAssembly has no SIMD validates no module that uses it.
      const noVectors = await refusal(context, url, () => {
        const validate = WebAssembly.validate;
        WebAssembly.validate = (bytes) => !new Uint8Array(bytes).includes(253) && validate(bytes);
      });
      assert.match(noVectors.text, /SIMD/);
      await noVectors.page.close();
      const noMemory = await refusal(context, url, () => {
        WebAssembly.instantiate = () => Promise.reject(
          new RangeError('WebAssembly.instantiate(): Out of memory: Cannot allocate Wasm memory for new instance'));
      });
      assert.match(noMemory.text, /не хватило памяти/);
      await shot(noMemory.page, 'out-of-memory');
      await noMemory.page.close();
    });

    if (name === '1366x768') {
      await step(`${name}: a new version on the server is taken, announced, and shown after a reload`, async () => {
        // The same site as a new version: another page, so another worker.
        const next = mkdtempSync(join(tmpdir(), 'strs-site-next-'));
        cpSync(siteDir, next, { recursive: true });
        const edit = (file, from, to) => writeFileSync(join(next, file), readFileSync(join(next, file), 'utf8').replace(from, to));
        edit('index.html', /"version":"[^"]*/, '$&-next');
        edit('sw.js', /const kCache = 'strs-workbench-/, '$&next-');
        const nextServer = await serveFolder(next, server.port);
        try {
          await startWorkbench(page, () => page.reload());  // the kept version, while the new one is taken
          await page.waitForSelector('#notice:not([hidden])', { timeout: 30000 });
          await shot(page, 'new-version');
          await startWorkbench(page, () => Promise.all([page.waitForNavigation(), page.click('#reload')]));
          assert.match(await page.textContent('.version'), /-next$/, 'the new version runs');
        } finally {
          await nextServer.stop();
          rmSync(next, { recursive: true, force: true });
        }
      });
    }

    assert.deepEqual(errors, [], 'no uncaught error in the page');
  } finally {
    await context.close();
    await server.stop();
    rmSync(profile, { recursive: true, force: true });
  }
}
console.log(`screenshots in ${out}`);
