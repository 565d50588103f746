// Saving and opening in the browser's own way: the window asks only for a name and a type
// in a small dialog of its own (never a make-believe file system), then the browser's save
// picker takes the file — or, where the picker refuses, the window says so; a session is
// saved as a download, replayed to the same snapshot and opened with the browser's file
// chooser to the same window; a report is a PDF download.
//   node tests/web/files.mjs URL OUT_DIR
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { centreOf, clickWidget, launchBrowser, openWorkbench, widgetOnPage } from './workbench_page.mjs';

const [url, out] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const kButtons = ['BB1', 'BitBtn1', 'BB3', 'BitBtn2'];
const kWindowCommands = ['SaveSession', 'OpenSession', 'Report', 'ClassKeys'];

const widget = widgetOnPage;  // in the page's pixels: the page scales and places the canvas
const painted = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
const replay = (page, script) => page.evaluate((s) => globalThis.strsReplay(s), script);

async function step(name, body) {
  const started = Date.now();
  let timer;
  const limit = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`the page stopped answering: ${name}`)), 60000);
  });
  await Promise.race([body(), limit]).finally(() => clearTimeout(timer));
  console.log(`ok      ${name} (${Date.now() - started} ms)`);
}

async function clickTab(page, index) {
  const bar = await widget(page, 'qt_tabwidget_tabbar');
  await page.mouse.click(bar.x + (index + 0.5) * (bar.width / 4), bar.y + bar.height / 2);
}

// A command of the window's Session menu, chosen with the mouse.
async function chooseWindowCommand(page, name) {
  await clickWidget(page, 'WindowMenuButton');
  const menu = await widget(page, 'WindowMenu');
  assert.ok(menu, 'the Session menu opens');
  const index = kWindowCommands.indexOf(name);
  await page.mouse.click(menu.x + menu.width / 2, menu.y + (index + 0.5) * (menu.height / kWindowCommands.length));
}

// The name typed into the window's small dialog, then Enter; the download it gives.
async function saveAsDownload(page, name) {
  const [file] = await Promise.all([
    page.waitForEvent('download'),
    (async () => {
      for (let i = 0; i < 100 && !(await widget(page, 'BrowserSaveDialog')); ++i) await painted(page);
      assert.ok(await widget(page, 'BrowserSaveDialog'), 'the window asks for the name and the type');
      await page.keyboard.type(name);
      await page.keyboard.press('Enter');
    })(),
  ]);
  const path = join(out, file.suggestedFilename());
  await file.saveAs(path);
  return { name: file.suggestedFilename(), bytes: readFileSync(path) };
}

// The labels the window shows, by name.
async function shownLabels(page, names) {
  const labels = {};
  for (const name of names) labels[name] = (await widget(page, name))?.text ?? null;
  return labels;
}

const browser = await launchBrowser();
const messages = [];
try {
  await step('the save picker takes a chart picture; a picker that refuses is told in the window', async () => {
    const { page, messages: logged } = await openWorkbench(browser, url);
    messages.push(logged);
    // A picker that keeps what it is given, and then one that refuses.
    await page.evaluate(() => {
      globalThis.showSaveFilePicker = async ({ suggestedName }) => ({
        createWritable: async () => ({
          write: async (blob) => { globalThis.picked = { suggestedName, bytes: [...new Uint8Array(await blob.arrayBuffer())] }; },
          close: async () => {},
        }),
      });
    });
    await clickWidget(page, 'BB1');
    await painted(page);
    const { x, y } = await centreOf(page, 'Chart11');
    await page.mouse.click(x, y, { button: 'right' });
    const menu = await widget(page, 'contecst');
    await page.mouse.click(menu.x + menu.width / 2, menu.y + 0.5 * (menu.height / 4));
    for (let i = 0; i < 100 && !(await widget(page, 'BrowserSaveDialog')); ++i) await painted(page);
    await page.screenshot({ path: join(out, 'browser-save-dialog.png') });
    await page.keyboard.type('chart.png');  // the extension typed chooses the type
    await page.keyboard.press('Enter');
    let picked = null;
    for (let i = 0; i < 200 && !picked; ++i) {
      await painted(page);
      picked = await page.evaluate(() => globalThis.picked || null);
    }
    assert.equal(picked.suggestedName, 'chart.png');
    assert.deepEqual(picked.bytes.slice(0, 4), [0x89, 0x50, 0x4e, 0x47], 'a PNG file');

    await page.evaluate(() => {
      globalThis.showSaveFilePicker = async () => { throw new DOMException('Must be handling a user gesture', 'SecurityError'); };
    });
    await page.mouse.click(x, y, { button: 'right' });
    await page.mouse.click(menu.x + menu.width / 2, menu.y + 0.5 * (menu.height / 4));
    for (let i = 0; i < 100 && !(await widget(page, 'BrowserSaveDialog')); ++i) await painted(page);
    await page.keyboard.press('Enter');
    let box = null;
    for (let i = 0; i < 200 && !box; ++i) {
      await painted(page);
      box = await widget(page, 'qt_msgbox_label');
    }
    assert.ok(box, 'an error box tells of the refusal');
    assert.match(box.text, /Браузер не сохранил файл Chart11\.jpg: Must be handling a user gesture/);
    await page.screenshot({ path: join(out, 'browser-save-refused.png') });
    await page.keyboard.press('Enter');
  });

  await step('a session saved as a download replays and opens to the same window', async () => {
    const { page, messages: logged } = await openWorkbench(browser, url, { withoutSavePicker: true });
    messages.push(logged);
    // A press on every page.
    for (const [index, button] of kButtons.entries()) {
      await clickTab(page, index);
      await painted(page);
      await clickWidget(page, button);
      await painted(page);
    }
    await chooseWindowCommand(page, 'SaveSession');
    const saved = await saveAsDownload(page, 'lab');
    assert.equal(saved.name, 'lab.strs');
    const text = saved.bytes.toString('utf8');
    assert.match(text, /^# STRS Workbench session/);
    const script = kButtons.map((b, i) => `page ${i + 1}\npress ${b}\n`).join('');
    const fromFile = await replay(page, `${text}dump\n`);
    assert.ok(JSON.parse(fromFile).labels.L24, 'the replay pressed page 2');
    const fromPresses = await replay(page, `locale ru_RU\n${script}page 4\ndump\n`);
    assert.equal(fromFile, fromPresses, 'the file replays to the snapshot of the same presses');

    // Opened in a fresh page, with the browser's file chooser.
    const fresh = await openWorkbench(browser, url, { withoutSavePicker: true });
    messages.push(fresh.messages);
    const [chooser] = await Promise.all([
      fresh.page.waitForEvent('filechooser'),
      chooseWindowCommand(fresh.page, 'OpenSession'),
    ]);
    await chooser.setFiles({ name: 'lab.strs', mimeType: 'text/plain', buffer: saved.bytes });
    // The page shown when it was saved, its charts as they were; page 2's results likewise.
    let opened = null;
    for (let i = 0; i < 200 && !opened?.text; ++i) {
      await painted(fresh.page);
      opened = await widget(fresh.page, 'Chart42');
    }
    for (const chart of ['Chart41', 'Chart42'])
      assert.equal((await widget(fresh.page, chart)).text, (await widget(page, chart)).text, `${chart} as saved`);
    await fresh.page.screenshot({ path: join(out, 'session-opened.png') });
    await clickTab(page, 1);
    await clickTab(fresh.page, 1);
    await painted(fresh.page);
    assert.deepEqual(await shownLabels(fresh.page, ['L24', 'L26']), await shownLabels(page, ['L24', 'L26']));

    await chooseWindowCommand(fresh.page, 'Report');
    for (let i = 0; i < 100 && !(await widget(fresh.page, 'ReportDialog')); ++i) await painted(fresh.page);
    assert.ok(await widget(fresh.page, 'ReportDialog'), 'the report lists the presses');
    await fresh.page.screenshot({ path: join(out, 'report-dialog.png') });
    await fresh.page.keyboard.press('Enter');
    const report = await saveAsDownload(fresh.page, 'report');
    assert.equal(report.name, 'report.pdf');
    assert.equal(report.bytes.subarray(0, 5).toString('latin1'), '%PDF-');
  });
  for (const logged of messages)
    assert.deepEqual(logged.filter((m) => m.startsWith('page error')), [], 'no uncaught error in the page');
} finally {
  await browser.close();
}
console.log(`screenshots and downloads in ${out}`);
