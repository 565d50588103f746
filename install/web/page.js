// The page around the program: its language (the switch restarts the program in the other
// one), the loading with its progress, what is said when the program cannot start, and
// the offline copy of the site (sw.js), taken once the program runs.
'use strict';

(() => {
  // {app: name of the program's .js and .wasm without the extension, appBytes: their
  // sizes together}
  const site = JSON.parse(document.querySelector('#site').textContent);

  const kTexts = {
    ru: {
      title: 'STRS Workbench — Статистическая теория радиотехнических систем',
      course: 'Статистическая теория радиотехнических систем',
      desktop: 'Программа для компьютера',
      manual: 'Руководство (англ.)',
      version: `Версия ${site.version}`,
      turn: 'Поверните устройство: окно станет крупнее.',
      newVersion: 'Загружена новая версия программы.',
      reload: 'Перезагрузить страницу',
      window: 'Окно программы',
      loading: 'Загрузка…',
      progress: (loaded, total) => `${loaded} из ${total} МБ`,
      starting: 'Запуск…',
      noWebAssembly: 'Этот браузер не запускает WebAssembly с векторными командами (SIMD), а без них программа '
        + 'в браузере не работает. Откройте страницу в свежей версии Chrome, Firefox, Edge или Safari '
        + 'или установите программу на компьютер.',
      noWebGL: 'Браузер не дал программе WebGL, которым она рисует окно. Включите в браузере аппаратное '
        + 'ускорение, откройте страницу в другом браузере или установите программу на компьютер.',
      noMemory: 'Браузеру не хватило памяти для программы. Закройте лишние вкладки и запустите её снова '
        + 'или установите программу на компьютер.',
      failed: 'Не удалось запустить программу: ',
      ended: 'Программа завершила работу.',
      restart: 'Запустить снова',
    },
    en: {
      title: 'STRS Workbench — Statistical theory of radio-engineering systems',
      course: 'Statistical theory of radio-engineering systems',
      desktop: 'Desktop version',
      manual: 'Manual',
      version: `Version ${site.version}`,
      turn: 'Turn the device: the window gets larger.',
      newVersion: 'A new version of the workbench has been loaded.',
      reload: 'Reload the page',
      window: 'The workbench window',
      loading: 'Loading…',
      progress: (loaded, total) => `${loaded} of ${total} MB`,
      starting: 'Starting…',
      noWebAssembly: 'This browser does not run WebAssembly with vector instructions (SIMD), which the workbench '
        + 'needs in a browser. Open the page in a recent Chrome, Firefox, Edge or Safari, or install the '
        + 'workbench on your computer.',
      noWebGL: 'The browser gave the workbench no WebGL, which draws its window. Turn on hardware '
        + 'acceleration, open the page in another browser, or install the workbench on your computer.',
      noMemory: 'The browser ran out of memory for the workbench. Close some tabs and start it again, '
        + 'or install the workbench on your computer.',
      failed: 'The workbench could not start: ',
      ended: 'The workbench has ended.',
      restart: 'Start again',
    },
  };

  // The language: the switch's choice (?lang=, remembered), else the browser's, which the
  // program follows by itself as it follows the system's on the desktop.
  const kLanguageKey = 'strs-workbench-language';
  const remembered = (() => { try { return localStorage.getItem(kLanguageKey); } catch { return null; } })();
  const asked = new URL(location.href).searchParams.get('lang');
  const chosen = [asked, remembered].find((l) => l === 'ru' || l === 'en');
  const language = chosen || ((navigator.language || '').toLowerCase().startsWith('ru') ? 'ru' : 'en');
  if (asked === language) {
    try { localStorage.setItem(kLanguageKey, language); } catch { /* not kept: a private window */ }
  }
  const texts = kTexts[language];

  document.documentElement.lang = language;
  document.title = texts.title;
  for (const element of document.querySelectorAll('[data-text]')) element.textContent = texts[element.dataset.text];
  for (const element of document.querySelectorAll('[data-label]')) element.setAttribute('aria-label', texts[element.dataset.label]);
  for (const link of document.querySelectorAll('[data-language]')) {
    if (link.dataset.language === language) link.setAttribute('aria-current', 'true');
  }

  const canvas = document.querySelector('#qtcanvas');
  const loading = document.querySelector('#loading');
  const status = document.querySelector('#status');
  const progress = document.querySelector('#progress');
  const progressText = document.querySelector('#progress-text');
  const help = document.querySelector('#help');
  const restart = document.querySelector('#restart');

  // Something to say instead of the program; the way to the desktop version with it, and
  // a new start where one may help.
  function say(text, { offerRestart = false } = {}) {
    loading.hidden = false;
    status.textContent = text;
    progress.hidden = true;
    progressText.hidden = true;
    help.hidden = false;
    restart.hidden = !offerRestart;
  }
  restart.addEventListener('click', () => location.reload());
  document.querySelector('#reload').addEventListener('click', () => location.reload());

  // The browser's own words for the cases a student can do something about.
  function explained(text) {
    const message = String(text);
    if (/WebAssembly is not supported/i.test(message)) return texts.noWebAssembly;
    if (/WebGL is not supported/i.test(message)) return texts.noWebGL;
    if (/out of memory|\bOOM\b|enlarge memory|allocate .*memory|Memory\(\)/i.test(message)) return texts.noMemory;
    return null;
  }

  // The program's arithmetic uses WebAssembly's vector instructions (Chrome and Edge 91,
  // Firefox 89, Safari 16.4): a browser without them is told so, not left with an error.
  // The smallest module using one (i8x16.splat) tells.
  const kVectorProbe = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0,
    10, 8, 1, 6, 0, 65, 0, 253, 15, 11]);
  if (typeof WebAssembly !== 'object' || !WebAssembly.validate(kVectorProbe)) {
    say(texts.noWebAssembly);
    return;
  }

  // The bytes of the program's files as they arrive (uncompressed, as the total is).
  const megabytes = new Intl.NumberFormat(language, { minimumFractionDigits: 1, maximumFractionDigits: 1 });
  let loaded = 0;
  function showProgress() {
    progress.value = Math.min(loaded, site.appBytes);
    progressText.textContent = texts.progress(megabytes.format(loaded / 1e6), megabytes.format(site.appBytes / 1e6));
    if (loaded >= site.appBytes) status.textContent = texts.starting;
  }
  const browserFetch = globalThis.fetch.bind(globalThis);
  globalThis.fetch = (resource, options) => {
    const answer = browserFetch(resource, options);
    const url = String(resource instanceof Request ? resource.url : resource);
    if (!url.endsWith(`${site.app}.js`) && !url.endsWith(`${site.app}.wasm`)) return answer;
    return answer.then((response) => {
      if (!response.ok || !response.body) return response;
      const reader = response.body.getReader();
      const counted = new ReadableStream({
        async pull(controller) {
          const { done, value } = await reader.read();
          if (done) {
            controller.close();
            return;
          }
          loaded += value.byteLength;
          showProgress();
          controller.enqueue(value);
        },
        cancel: (reason) => reader.cancel(reason),
      });
      return new Response(counted, { status: response.status, statusText: response.statusText, headers: response.headers });
    });
  };
  showProgress();

  // The program's start ends by handing the page back its event loop, which emscripten
  // does by throwing 'unwind'; resumed after the splash, nothing of emscripten catches it.
  globalThis.addEventListener('error', (event) => { if (event.error === 'unwind') event.preventDefault(); });

  const qtLoader = QtLoader({
    canvasElements: [canvas],
    environment: chosen ? { STRS_LANGUAGE: chosen } : {},
    showLoader: () => {},
    showCanvas: () => {},
    showError: (error) => say(explained(error) || texts.failed + error, { offerRestart: true }),
    showExit: (crashed) => {
      const why = qtLoader.exitText;
      say(crashed ? explained(why) || texts.failed + why : texts.ended, { offerRestart: true });
    },
  });
  strsFit.start(canvas, document.querySelector('#stage'), () => qtLoader.module());

  globalThis.addEventListener('strs-startup', ({ detail: step }) => {
    if (step === 'splash shown') loading.hidden = true;
    if (step === 'main window shown') {
      canvas.classList.add('window');  // the canvas is the window now, no longer the splash's ground
      keepOffline();
    }
  });
  qtLoader.loadEmscriptenModule(site.app);

  // The site kept for use without the network, taken after the program has started so as
  // not to compete with its download; a newer version found later is said.
  function keepOffline() {
    if (!('serviceWorker' in navigator)) return;
    const hadVersion = !!navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (hadVersion) document.querySelector('#notice').hidden = false;
    });
    navigator.serviceWorker.register('sw.js')
      .then((registration) => hadVersion && registration.update())  // a newer version on the server?
      .catch((e) => console.warn(`no offline copy: ${e}`));
  }
})();
