// Lays out the browser edition's site: the page, its scripts, the program, its icons, the
// manual (the README), the web app manifest and the worker that keeps the site offline.
// Every file the page loads is named after its contents (name.<hash>.ext), so that a
// browser never runs a page of one version with a file of another; only the page, the
// manual, the manifest and the worker keep fixed names (sw.js lists this version's files,
// so a new version changes it, and browsers look for a new worker on every visit).
//   node install/web/make_site.mjs APP_DIR OUT_DIR VERSION [DESKTOP_PACKAGE...]
// APP_DIR holds the build's strs-workbench.js, strs-workbench.wasm and qtloader.js; the
// desktop packages named are offered for download (downloads/), beside the manual.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { basename, dirname, extname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const [appDir, out, version, ...packages] = process.argv.slice(2);
if (!version) {
  console.error('usage: make_site.mjs APP_DIR OUT_DIR VERSION [DESKTOP_PACKAGE...]');
  process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..', '..');
rmSync(out, { recursive: true, force: true });
mkdirSync(out, { recursive: true });

const hashOf = (...contents) => {
  const hash = createHash('sha256');
  for (const content of contents) hash.update(content);
  return hash.digest('hex').slice(0, 12);
};
const kept = [];  // what the worker keeps: [name, contents' hash]
function write(name, contents) {
  writeFileSync(join(out, name), contents);
  kept.push([name, hashOf(contents)]);
  return name;
}
// Written as stem.<hash>.ext.
function writeNamed(stem, extension, contents, hash = hashOf(contents)) {
  return write(`${stem}.${hash}${extension}`, contents);
}
const source = (name) => readFileSync(join(here, name));

// The program: its loader script and its WebAssembly share one name, the hash of both.
const appJs = readFileSync(join(appDir, 'strs-workbench.js'));
const appWasm = readFileSync(join(appDir, 'strs-workbench.wasm'));
const app = `strs-workbench.${hashOf(appJs, appWasm)}`;
write(`${app}.js`, appJs);
write(`${app}.wasm`, appWasm);
const qtLoader = writeNamed('qtloader', '.js', readFileSync(join(appDir, 'qtloader.js')));
const fitJs = writeNamed('fit', '.js', source('fit.js'));
const pageJs = writeNamed('page', '.js', source('page.js'));

const svg = readFileSync(join(root, 'install', 'strs-workbench.svg'));
const iconSvg = writeNamed('strs-workbench', '.svg', svg);
const pngIcon = (size) => writeNamed(`strs-workbench-${size}`, '.png',
                                     execFileSync('rsvg-convert', ['-w', `${size}`, '-h', `${size}`], { input: svg }));
const icon192 = pngIcon(192);
const icon512 = pngIcon(512);

// The desktop packages, for download only (the worker does not keep them).
const downloads = packages.map((file) => {
  mkdirSync(join(out, 'downloads'), { recursive: true });
  copyFileSync(file, join(out, 'downloads', basename(file)));
  return { name: basename(file), bytes: statSync(file).size };
});

write('manual.html', manualPage());
write('manifest.webmanifest', JSON.stringify({
  id: './',
  name: 'STRS Workbench — Статистическая теория радиотехнических систем',
  short_name: 'STRS Workbench',
  description: 'Лабораторные работы курса «Статистическая теория радиотехнических систем»',
  lang: 'ru',
  start_url: './',
  scope: './',
  display: 'standalone',
  background_color: '#333333',
  theme_color: '#333333',
  icons: [
    { src: iconSvg, sizes: 'any', type: 'image/svg+xml' },
    { src: icon192, sizes: '192x192', type: 'image/png' },
    { src: icon512, sizes: '512x512', type: 'image/png' },
  ],
}, null, 2));

const page = source('index.html').toString().replace(/@([A-Z0-9_]+)@/g, (_, key) => {
  const value = {
    VERSION: version,
    ICON_SVG: iconSvg,
    ICON_192: icon192,
    DESKTOP: 'manual.html#desktop',
    APP_BYTES: `${appJs.length + appWasm.length}`,
    FIT_JS: fitJs,
    QTLOADER_JS: qtLoader,
    PAGE_JS: pageJs,
    SITE: JSON.stringify({ app, appBytes: appJs.length + appWasm.length, version }),
  }[key];
  if (value === undefined) throw new Error(`index.html: no value for @${key}@`);
  return value;
});
write('index.html', page);

const unnamed = ['./', 'index.html', 'manual.html', 'manifest.webmanifest'];
const files = ['./', ...kept.map(([name]) => name)];
const worker = source('sw.js').toString()
  .replace('@CACHE@', `strs-workbench-${hashOf(JSON.stringify(kept))}`)
  .replace('@FILES@', JSON.stringify(files))
  .replace('@UNNAMED@', JSON.stringify(unnamed));
writeFileSync(join(out, 'sw.js'), worker);

// The README as a page, after a part that offers the desktop packages.
function manualPage() {
  const readme = execFileSync('cmark-gfm', ['--extension', 'table', '--extension', 'autolink',
                                            join(root, 'README.md')]).toString();
  // Headings get the anchors a reader of the README on a code host knows.
  const body = readme.replace(/<h([1-6])>(.*?)<\/h\1>/g, (_, level, title) => {
    const id = title.replace(/<[^>]+>/g, '').toLowerCase().replace(/[^\p{L}\p{N} _-]/gu, '').replace(/ /g, '-');
    return `<h${level} id="${id}">${title}</h${level}>`;
  });
  const megabytes = (bytes) => (bytes / 1e6).toFixed(1);
  const kinds = { '.deb': 'Debian 12 (amd64)', '.zip': 'Windows (zip)', '.exe': 'Windows (installer)' };
  const offered = downloads.length > 0
    ? `<ul>${downloads.map(({ name, bytes }) => `<li><a href="downloads/${name}" download>${
      kinds[extname(name)] || name}</a>: ${name}, ${megabytes(bytes)} MB</li>`).join('')}</ul>`
    : `<p lang="ru">На этом сайте пакетов пока нет: их собирают из исходников программы (разделы
       <a href="#windows">Windows</a> и <a href="#debian-package">Debian package</a>).</p>
       <p>This site carries no packages yet: they are built from the workbench's sources (the
       sections <a href="#windows">Windows</a> and <a href="#debian-package">Debian package</a>).</p>`;
  return `<!doctype html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>STRS Workbench ${version} — manual</title>
<link rel="icon" type="image/svg+xml" href="${iconSvg}">
<style>
  body { max-width: 52em; margin: 0 auto; padding: 1em; font: 16px/1.5 system-ui, sans-serif; color: #222; }
  pre, code { font-family: "DejaVu Sans Mono", monospace; font-size: 0.9em; }
  pre { overflow-x: auto; background: #f4f2ef; padding: 0.6em; }
  table { border-collapse: collapse; } td, th { border: 1px solid #ccc; padding: 0.2em 0.5em; }
  #desktop { background: #eef5ff; padding: 0.2em 1em; border-radius: 4px; }
</style>
</head>
<body>
<p><a href="./" lang="ru">← Программа в браузере</a> · <a href="./">The workbench in the browser</a></p>
<section id="desktop">
<h2><span lang="ru">Программа для компьютера</span> · Desktop versions</h2>
<p lang="ru">Та же программа для Windows и Linux (Debian 12), без браузера; версия ${version}.</p>
<p>The same workbench for Windows and Linux (Debian 12), without a browser; version ${version}.</p>
${offered}
</section>
${body}
</body>
</html>
`;
}

console.log(`site: ${files.length} files kept offline, ${downloads.length} packages to download, in ${out}`);
