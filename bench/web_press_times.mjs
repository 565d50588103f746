// Measures how long one press of «Обновить» takes on each page, pages 2 and 4 in both
// orders of their models: in the browser edition (through the page's replay function)
// and in the desktop build's strs-replay, on this machine. Each figure is the time of a
// script with PRESSES presses less that of the same script without them, divided by
// PRESSES; the best of three runs.
//   node bench/web_press_times.mjs URL DESKTOP_STRS_REPLAY [PRESSES]
import { spawnSync } from 'node:child_process';
import { launchBrowser, openWorkbench } from '../tests/web/workbench_page.mjs';

const [url, desktopReplay, pressesText = '20'] = process.argv.slice(2);
const presses = Number(pressesText);
// Each case: its label, its page, what is chosen before the presses, and the button.
const kCases = [
  ['1', 1, '', 'BB1'],
  ['2 first', 2, 'radio RG2 0\n', 'BitBtn1'],
  ['2 second', 2, 'radio RG2 1\n', 'BitBtn1'],
  ['3', 3, '', 'BB3'],
  ['4 first', 4, 'radio RG4 0\n', 'BitBtn2'],
  ['4 second', 4, 'radio RG4 1\n', 'BitBtn2'],
];
const script = ([, page, choice, button], count) => `page ${page}\n${choice}${`press ${button}\n`.repeat(count)}dump\n`;

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
console.log('page          browser  desktop  browser/desktop');
for (const n of kCases) {
  const inBrowser = [];
  for (const count of [presses, 0]) {
    const times = [];
    for (let i = 0; i < 3; ++i) times.push(await browserSeconds(script(n, count)));
    inBrowser.push(Math.min(...times));
  }
  const browserMs = ((inBrowser[0] - inBrowser[1]) / presses) * 1000;
  const desktopMs = ((best(() => desktopSeconds(script(n, presses))) - best(() => desktopSeconds(script(n, 0)))) / presses) * 1000;
  console.log(`${n[0].padEnd(12)}  ${browserMs.toFixed(1).padStart(7)}  ${desktopMs.toFixed(1).padStart(7)}  ${(browserMs / desktopMs).toFixed(1).padStart(8)}`);
}
await browser.close();
