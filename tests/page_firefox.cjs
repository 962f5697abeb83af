// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a second engine: Debian's Firefox ESR, driven over WebDriver BiDi by puppeteer-core
// (no browser of its own), opened from disk. Every pair of groups under both options, chosen by
// keyboard: the alleles, the grid and the report, byte for byte as the window's tests expect it;
// and a console with nothing on it. Prints one line a case and "N passed, N failed".
// Usage: node page_firefox.cjs PAGE.html NODE_MODULES
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const readline = require('readline');
const [pagePath, modules] = process.argv.slice(2);
const puppeteer = require(path.resolve(modules, 'puppeteer-core'));

const { GROUPS, report, wanted, shown, choose, ready, refusedInjected } = require('./page_lesson.cjs');

// The site on a plain static server, as the Chromium checks serve it (site_server.py): its
// address, then the files a new version's worker should keep, a line each as asked.
const serveSite = (site, folder) => {
  const server = spawn('/usr/bin/python3', [path.join(__dirname, 'site_server.py'), site, folder],
    { stdio: ['pipe', 'pipe', 'inherit'] });
  const lines = readline.createInterface({ input: server.stdout })[Symbol.asyncIterator]();
  const line = async () => (await lines.next()).value;
  return {
    url: line(),
    newVersion: () => { server.stdin.write('new\n'); return line().then(JSON.parse); },
    stop: () => new Promise(resolve => { server.on('exit', resolve); server.stdin.end(); }),
  };
};

(async () => {
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
    headless: true, protocol: 'webDriverBiDi' });
  let passed = 0, failed = 0;
  try {
    const page = await browser.newPage();
    const messages = [];
    page.on('console', message => messages.push(message.text()));
    page.on('pageerror', error => messages.push(String(error)));
    const open = async url => {
      await page.goto(url);
      await ready(page);
    };
    // What a visit sees and what the worker keeps, evaluated in the page.
    const kept = fs.readFileSync(path.join(__dirname, 'page_kept.js'), 'utf8');
    const seen = () => page.evaluate(kept);
    await open('file://' + path.resolve(pagePath));
    for (const homozygous of [true, false]) {
      for (let father = 0; father < 4; ++father) {
        for (let mother = 0; mother < 4; ++mother) {
          await page.click(`#Option1_${homozygous ? 0 : 1}`);
          await choose(page, 0, father);
          await choose(page, 1, mother);
          await page.click('#Command1_0');
          const want = wanted(homozygous, father, mother);
          const got = await shown(page);
          const name = `${homozygous ? 'homozygous' : 'heterozygous'} ${GROUPS[father]} x ${GROUPS[mother]}`;
          if (got === want) ++passed;
          else { ++failed; console.log(`FAIL ${name}: ${got}, expected ${want}`); }
        }
      }
    }
    // A link that carries a choice opens at it, as the pupil's clicks would have made it.
    await page.goto('about:blank');
    await page.goto('file://' + path.resolve(pagePath) + '#father=A&mother=B&alleles=heterozygous');
    await ready(page);
    const opened = await page.evaluate(() => [0, 1, 2, 3].map(i =>
      document.getElementById('Label2_' + i).textContent).join() + ' '
      + document.getElementById('Option1_1').checked);
    if (opened === 'A,0,B,0 true') ++passed;
    else { ++failed; console.log(`FAIL the link: ${opened}`); }
    if (messages.length) { ++failed; console.log('FAIL the console: ' + messages.join(' | ')); }
    else ++passed;
    const check = (name, ok, detail) => {
      if (ok) ++passed;
      else { ++failed; console.log(`FAIL ${name}: ${detail}`); }
    };
    // Only the page's own scripts run, from disk and from the site, and the lesson goes on.
    const policy = async where => {
      const [refused, injected] = await refusedInjected(page);
      await choose(page, 0, 1);
      await choose(page, 1, 2);
      await page.click('#Command1_0');
      const got = await page.evaluate(() => document.getElementById('Text1_0').value);
      check(`the policy ${where}`, refused >= 2 && injected === 'undefined' && got === report(true, 1, 2),
        `${refused} refused, injected ${injected}, report ${JSON.stringify(got)}`);
    };
    await open('file://' + path.resolve(pagePath));
    await policy('from disk');
    // The site on a plain server, visited, visited again, a new version put in its place, then
    // visited online and offline.
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'morvela-site-'));
    const server = serveSite(path.join(path.dirname(path.resolve(pagePath)), 'site'), folder);
    const url = await server.url;
    await open(url);
    const controlled = await page.waitForFunction(() => navigator.serviceWorker.controller
      || (navigator.serviceWorker.ready.then(() => location.reload()), false), { timeout: 10000 })
      .then(() => true, () => false);
    check('a service worker controls the site', controlled, 'none came within 10 s');
    if (controlled) {
      await open(url);
      check('the second visit', (await seen())[0] === '1', JSON.stringify(await seen()));
      const wanted = await server.newVersion();
      await open(url);
      check('the new version at the next visit', (await seen())[0] === '2', JSON.stringify(await seen()));
      const keptAlone = () => seen().then(([, kept]) => Object.keys(kept).length === 1
        && JSON.stringify(Object.values(kept)[0], Object.keys(wanted).sort())
          === JSON.stringify(wanted, Object.keys(wanted).sort()));
      let alone = false;
      for (const end = Date.now() + 10000; !alone && Date.now() < end;)
        alone = await keptAlone() || await new Promise(r => setTimeout(() => r(false), 50));
      check('the keep after the new version', alone, JSON.stringify((await seen())[1]));
    }
    await policy('from the site');
    await server.stop();
    if (controlled) {
      await open(url);
      check('the new version offline', (await seen())[0] === '2', JSON.stringify(await seen()));
    }
    fs.rmSync(folder, { recursive: true });
    console.log(`firefox: ${await browser.version()}`);
  } finally {
    await browser.close();
  }
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
})().catch(error => { console.log(String(error)); console.log('0 passed, 1 failed'); process.exit(1); });
