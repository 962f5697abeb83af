// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The page from disk in real older Chromium engines: the headless builds for servers that npm
// packages carry, driven by a puppeteer-core of their age. The one below the page's minimum (no
// WebAssembly exception handling) says that it cannot run and leaves the form to read; those from
// the minimum to Chrome 114 compile the program in the background and decode it with the page's
// own base64 loop, and do every pair under both options, by keyboard and by clicks, byte for
// byte, refusing an injected script; each console holds nothing else. An engine that will not
// start fails. Prints one line a case and "N passed, N failed".
// Usage: node page_older.cjs PAGE.html ENGINES_NODE_MODULES
'use strict';
const path = require('path');
const { GROUPS, wanted, shown, choose, ready, refusedInjected } = require('./page_lesson.cjs');
const [pagePath, modules] = process.argv.slice(2);
const puppeteer = require(path.resolve(modules, 'puppeteer-core'));

// (package, major version, whether the page runs in it)
const ENGINES = [['chromium-92', 92, false], ['chromium-102', 102, true], ['chromium-110', 110, true]];
// What the page took: the background compile, after the page's thread refused, and its decode.
const WATCH = `
window.took = { background: false, fromBase64: typeof Uint8Array.fromBase64 === 'function' };
if (window.WebAssembly) {
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = (...args) => { took.background = true; return instantiate(...args); };
}`;

let passed = 0, failed = 0;
const check = (name, ok, detail) => {
  if (ok) ++passed;
  else { ++failed; console.log(`FAIL ${name}: ${detail}`); }
};

async function engine([name, major, runs]) {
  const bin = path.resolve(modules, name, 'bin');
  const started = Date.now();
  const browser = await puppeteer.launch({
    executablePath: path.join(bin, 'chromium'),
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--single-process', '--no-zygote'],
    env: { ...process.env, LD_LIBRARY_PATH: `${bin}/aws/lib:${bin}/swiftshader` },
  });
  try {
    const version = await browser.version();
    check(`${name} is Chromium ${major}`, version.startsWith(`HeadlessChrome/${major}.`), version);
    const page = await browser.newPage();
    const messages = [];
    page.on('console', message => messages.push(`${message.text()} ${message.location().url || ''}`));
    page.on('pageerror', error => messages.push(String(error)));
    await page.evaluateOnNewDocument(WATCH);
    await page.goto('file://' + path.resolve(pagePath));
    if (!runs) {
      const said = await page.waitForFunction(() => !document.getElementById('unsupported').hidden,
        { timeout: 10000 }).then(() => true, () => false);
      const form = await page.evaluate(() => [document.getElementById('failed').hidden,
        document.getElementById('Text1_0').value.slice(0, 7), !!document.getElementById('Picture1')]);
      check(`${name}: cannot run, and says so over the form`, said && form.join() === 'true,Велимак,true',
        JSON.stringify([said, form]));
      console.log(`${name}: ${version}, ${Date.now() - started} ms`);
      return;
    }
    await ready(page);
    const took = await page.evaluate(() => took);
    check(`${name}: the background compile and the page's own base64 decode`,
      took.background && !took.fromBase64, JSON.stringify(took));
    // Every pair under both options: the lists by keyboard, the rest by clicks and, in turn, by
    // keys.
    let cases = 0;
    for (const homozygous of [true, false]) {
      for (let father = 0; father < 4; ++father) {
        for (let mother = 0; mother < 4; ++mother) {
          const byKeys = ++cases % 2 === 0;
          const press = async id => {
            if (!byKeys) return page.click(id);
            await page.focus(id);
            await page.keyboard.press('Space');
          };
          await press(`#Option1_${homozygous ? 0 : 1}`);
          await choose(page, 0, father);
          await choose(page, 1, mother);
          await press('#Command1_0');
          const want = wanted(homozygous, father, mother), got = await shown(page);
          check(`${name} ${homozygous ? 'homozygous' : 'heterozygous'} ${GROUPS[father]} x `
            + `${GROUPS[mother]}${byKeys ? ' by keys' : ''}`, got === want, `${got}, expected ${want}`);
        }
      }
    }
    const [refused, injected] = await refusedInjected(page);
    check(`${name}: the policy`, refused >= 2 && injected === 'undefined', `${refused} refused, ${injected}`);
    const others = messages.filter(m => !/Content Security Policy|none\.png/.test(m));
    check(`${name}: the console`, others.length === 0, others.join(' | '));
    console.log(`${name}: ${version}, ${Date.now() - started} ms`);
  } finally {
    await browser.close();
  }
}

(async () => {
  for (const e of ENGINES)
    await engine(e).catch(error => check(`${e[0]} runs`, false, String(error)));
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
})();
