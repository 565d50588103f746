// Uses the browser edition as a student does, in the system's Chromium: the splash, then
// «Обновить» of each page pressed with the mouse, the chart menu (a picture and the CSV
// saved as downloads, the picture copied to the clipboard), the keyboard, the credits,
// and the English window of an English browser. Screenshots and downloads are kept in
// OUT_DIR.
//   node tests/web/window.mjs URL OUT_DIR
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { centreOf, clickWidget, launchBrowser, openWorkbench, widgetOnPage } from './workbench_page.mjs';

const [url, out] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const kPages = [
  { button: 'BB1', charts: ['Chart11', 'Chart12'] },
  { button: 'BitBtn1', charts: ['Chart21', 'Chart22'] },
  { button: 'BB3', charts: ['Chart31', 'Chart32'] },
  { button: 'BitBtn2', charts: ['Chart41', 'Chart42'] },
];

const widget = (page, name) => widgetOnPage(page, name);
const shot = (page, name) => page.screenshot({ path: join(out, `${name}.png`) });
// Input reaches the program in the page's own handlers: two frames later it is painted.
const painted = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

// A page that stops answering leaves the browser's input calls waiting for ever: a step
// that takes this long fails.
const kStepLimitMs = 60000;

async function step(name, body) {
  const started = Date.now();
  let timer;
  const limit = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`the page stopped answering: ${name}`)), kStepLimitMs);
  });
  await Promise.race([body(), limit]).finally(() => clearTimeout(timer));
  console.log(`ok      ${name} (${Date.now() - started} ms)`);
}

// A tab of the page control, pressed where it is drawn: the tabs share the bar.
async function clickTab(page, index) {
  const bar = await widget(page, 'qt_tabwidget_tabbar');
  await page.mouse.click(bar.x + (index + 0.5) * (bar.width / kPages.length), bar.y + bar.height / 2);
}

// Opens the chart's menu with the right button and picks the item at that place.
async function chooseFromMenu(page, chart, item, itemCount = 4) {
  const { x, y } = await centreOf(page, chart);
  await page.mouse.click(x, y, { button: 'right' });
  const menu = await widget(page, 'contecst');
  assert.ok(menu, 'the chart menu opens on a right click');
  await page.mouse.click(menu.x + menu.width / 2, menu.y + (item + 0.5) * (menu.height / itemCount));
}

// Presses Tab until the named widget has the keys.
async function tabTo(page, name) {
  for (let i = 0; i < 30 && !(await widget(page, name)).focused; ++i) await page.keyboard.press('Tab');
  assert.ok((await widget(page, name)).focused, `Tab reaches ${name}`);
}

// Types a file name into the window's small save dialog that has just opened and takes the
// download (the browser's save picker is taken away in this test: tests/web/files.mjs
// covers it).
async function download(page, fileName) {
  const [file] = await Promise.all([
    page.waitForEvent('download'),
    (async () => {
      await page.keyboard.type(fileName);
      await page.keyboard.press('Enter');
    })(),
  ]);
  const path = join(out, file.suggestedFilename());
  await file.saveAs(path);
  return { name: file.suggestedFilename(), bytes: readFileSync(path) };
}

const browser = await launchBrowser();
let failedMessages = [];
try {
  const session = await openWorkbench(browser, url, {
    onSplash: (page) => shot(page, 'splash'),
    permissions: ['clipboard-read', 'clipboard-write'],
    withoutSavePicker: true,
  });
  const { page } = session;
  failedMessages = session.messages;
  console.log(`splash after ${session.splashAfter} ms, main window after ${session.windowAfter} ms`);
  await painted(page);
  await shot(page, 'window');

  await step('«Обновить» of every page, pressed with the mouse', async () => {
    for (const [index, { button, charts }] of kPages.entries()) {
      await clickTab(page, index);
      await painted(page);
      assert.ok(await widget(page, button), `page ${index + 1} is shown`);
      const before = await Promise.all(charts.map((c) => widget(page, c)));
      await clickWidget(page, button);
      await painted(page);
      const after = await Promise.all(charts.map((c) => widget(page, c)));
      for (const [i, chart] of charts.entries()) {
        assert.ok(after[i], `${chart} is shown`);
        assert.notEqual(after[i].text, before[i]?.text, `${chart} shows new series`);
      }
      await shot(page, `page${index + 1}-pressed`);
    }
  });

  await step('the labels are those of the same presses replayed', async () => {
    const script = kPages.map(({ button }, i) => `page ${i + 1}\npress ${button}\n`).join('') + 'dump\n';
    const dump = JSON.parse(await page.evaluate((s) => globalThis.strsReplay(`locale ru_RU\n${s}`), script));
    for (const [name, text] of Object.entries(dump.labels)) {
      const shown = await widget(page, name);
      if (shown) assert.equal(shown.text, text, `label ${name}`);
    }
  });

  // Saved again and again: a dialog over a window whose focus moved once made the two
  // hand the activation back and forth for ever, now and then.
  await step('a picture and the chart data saved from the menu are downloads, four times', async () => {
    await clickTab(page, 0);
    for (let round = 1; round <= 4; ++round) {
      await chooseFromMenu(page, 'Chart11', 0);
      assert.ok(await widget(page, 'BrowserSaveDialog'), 'the window asks for the name and the type');
      if (round === 1) {
        await painted(page);
        await shot(page, 'save-dialog');
      }
      const picture = await download(page, `chart11-${round}`);
      assert.equal(picture.name, `chart11-${round}.jpg`);
      assert.deepEqual([...picture.bytes.subarray(0, 3)], [0xff, 0xd8, 0xff], 'a JPEG file');
      await chooseFromMenu(page, 'Chart12', 2);
      const data = await download(page, `histogram-${round}`);
      assert.equal(data.name, `histogram-${round}.csv`);
      assert.ok(data.bytes.toString('utf8').split('\n').length > 10, 'the histogram rows');
    }
  });

  await step('a copied picture is on the clipboard', async () => {
    await chooseFromMenu(page, 'Chart11', 1);
    // The browser's clipboard takes the picture asynchronously: asked again every frame.
    const bytes = await page.evaluate(async () => {
      for (let frame = 0; frame < 600; ++frame) {
        const item = (await navigator.clipboard.read()).find((i) => i.types.includes('image/png'));
        if (item) return (await item.getType('image/png')).size;
        await new Promise((r) => requestAnimationFrame(r));
      }
      return 0;
    });
    assert.ok(bytes > 1000, `a picture of the chart: ${bytes} bytes`);
  });

  await step('the keyboard: a value typed, Tab to «Обновить», Space, the pages by arrow keys', async () => {
    await clickWidget(page, 'E11');
    await painted(page);
    assert.ok((await widget(page, 'E11')).focused, 'a click gives the field the keys');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('2,5');
    assert.equal((await widget(page, 'E11')).text, '2,5');
    const before = (await widget(page, 'Chart11')).text;
    await tabTo(page, 'BB1');
    await page.keyboard.press('Space');
    await painted(page);
    assert.notEqual((await widget(page, 'Chart11')).text, before, 'Space pressed «Обновить»');
    await shot(page, 'keyboard');
    // Where Ctrl+1 to Ctrl+4 stay the browser's, the tab bar takes the arrow keys.
    await tabTo(page, 'qt_tabwidget_tabbar');
    await page.keyboard.press('ArrowRight');
    assert.ok(await widget(page, kPages[1].button), 'the arrow key opened page 2');
    await page.keyboard.press('ArrowLeft');
    assert.ok(await widget(page, kPages[0].button), 'and back to page 1');
  });

  await step('the credits, typed on the keyboard, over the window', async () => {
    // A place of the chart that no credit text covers.
    const chart = await centreOf(page, 'Chart11');
    const clip = { x: chart.x - 20, y: chart.y - 20, width: 40, height: 40 };
    const before = await page.screenshot({ clip });
    await page.keyboard.type('about');
    await painted(page);
    assert.ok(await widget(page, 'CreditOverlay'), 'the credits are shown');
    assert.ok(before.equals(await page.screenshot({ clip })), 'the window is seen under the credits');
    await shot(page, 'credits');
  });

  await step('an English browser gets the English window', async () => {
    const english = await openWorkbench(browser, url, { locale: 'en-US' });
    failedMessages = english.messages;
    assert.equal((await widget(english.page, 'BB1')).text, 'Refresh');
    await clickWidget(english.page, 'BB1');
    await painted(english.page);
    assert.match((await widget(english.page, 'L14')).text, /^[0-9.-]+$/, 'a point as the decimal separator');
    await shot(english.page, 'english');
  });
  for (const messages of [session.messages, failedMessages]) {
    assert.deepEqual(messages.filter((m) => m.startsWith('page error')), [], 'no uncaught error in the page');
  }
  failedMessages = [];
} finally {
  for (const m of failedMessages) console.log(`console: ${m}`);
  await browser.close();
}
console.log(`screenshots and downloads in ${out}`);
