// Measures how long one press of «Обновить» takes on each page: in the browser edition
// (through the page's replay function) and in the desktop build's strs-replay, on this
// machine. Each figure is the time of a script with PRESSES presses less that of the same
// script without them, divided by PRESSES; the best of three runs.
//   node bench/web_press_times.mjs URL DESKTOP_STRS_REPLAY [PRESSES]
import { spawnSync } from 'node:child_process';
import { launchBrowser, openWorkbench } from '../tests/web/workbench_page.mjs';

const [url, desktopReplay, pressesText = '20'] = process.argv.slice(2);
const presses = Number(pressesText);
const kButtons = ['BB1', 'BitBtn1', 'BB3', 'BitBtn2'];
const script = (page, count) => `page ${page}\n${`press ${kButtons[page - 1]}\n`.repeat(count)}dump\n`;

function best(run) {
  return Math.min(...[0, 1, 2].map(() => run()));
}

function desktopSeconds(text) {
  const started = process.hrtime.bigint();
  const result = spawnSync(desktopReplay, [], {
    input: text, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, maxBuffer: 1 << 30,
  });
  if (result.status !== 0) throw new Error(`strs-replay: ${result.stderr}`);
  return Number(process.hrtime.bigint() - started) / 1e9;
}

const browser = await launchBrowser();
const { page } = await openWorkbench(browser, url);
const browserSeconds = (text) => page.evaluate(async (s) => {
  const started = performance.now();
  await globalThis.strsReplay(s);
  return (performance.now() - started) / 1000;
}, text);

console.log(`one press of «Обновить», ms (${presses} presses a run, best of 3)`);
console.log('page  browser  desktop  browser/desktop');
for (const n of [1, 2, 3, 4]) {
  const inBrowser = [];
  for (const count of [presses, 0]) {
    const times = [];
    for (let i = 0; i < 3; ++i) times.push(await browserSeconds(script(n, count)));
    inBrowser.push(Math.min(...times));
  }
  const browserMs = ((inBrowser[0] - inBrowser[1]) / presses) * 1000;
  const desktopMs = ((best(() => desktopSeconds(script(n, presses))) - best(() => desktopSeconds(script(n, 0)))) / presses) * 1000;
  console.log(`${n}     ${browserMs.toFixed(1).padStart(7)}  ${desktopMs.toFixed(1).padStart(7)}  ${(browserMs / desktopMs).toFixed(1).padStart(8)}`);
}
await browser.close();
