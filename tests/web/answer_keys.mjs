// Runs every answer key (tests/answer_keys/*.replay) in the browser edition and demands
// the committed JSON byte for byte (line endings aside), as the desktop tests do.
//   node tests/web/answer_keys.mjs URL OUT_DIR
// A mismatch keeps the browser's output as OUT_DIR/<name>.actual.json.
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { launchBrowser, openWorkbench } from './workbench_page.mjs';

const [url, out] = process.argv.slice(2);
const keys = join(import.meta.dirname, '..', 'answer_keys');
const browser = await launchBrowser();
const { page, messages } = await openWorkbench(browser, url);

let failed = 0;
for (const name of readdirSync(keys).filter((f) => f.endsWith('.replay')).sort()) {
  const base = name.replace(/\.replay$/, '');
  const script = readFileSync(join(keys, name), 'utf8');
  const expected = readFileSync(join(keys, `${base}.json`), 'utf8').replaceAll('\r\n', '\n');
  const started = Date.now();
  let actual;
  try {
    actual = await page.evaluate((s) => globalThis.strsReplay(s), script);
  } catch (e) {
    actual = `${e.message}\n`;
  }
  const seconds = ((Date.now() - started) / 1000).toFixed(1);
  if (actual === expected) {
    console.log(`ok      ${base} (${seconds} s)`);
    continue;
  }
  failed++;
  const line = [...actual.split('\n').entries()].find(([i, l]) => l !== expected.split('\n')[i]);
  console.log(`FAILED  ${base} (${seconds} s): first difference in output line ${line ? line[0] + 1 : '?'}`);
  writeFileSync(join(out, `${base}.actual.json`), actual);
}
if (failed > 0) for (const m of messages) console.log(`console: ${m}`);
await browser.close();
console.log(failed === 0 ? 'every answer key matches' : `${failed} answer keys differ`);
process.exit(failed === 0 ? 0 : 1);
