// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a second engine: Debian's Firefox ESR, driven over WebDriver BiDi by puppeteer-core
// (no browser of its own), opened from disk. Every pair of groups under both options, chosen by
// keyboard: the alleles, the grid and the report, byte for byte as the window's tests expect it;
// and a console with nothing on it. Prints one line a case and "N passed, N failed".
// Usage: node page_firefox.cjs PAGE.html NODE_MODULES
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const [pagePath, modules] = process.argv.slice(2);
const puppeteer = require(path.resolve(modules, 'puppeteer-core'));

const GROUPS = ['0', 'A', 'B', 'AB'];
// The ten result lines, from the same literal table as the window's tests.
const results = {};
for (const [, a, b, line] of fs.readFileSync(path.join(__dirname, 'expected.h'), 'utf8')
    .matchAll(/\{ (\d), (\d), "([^"]*)" \}/g))
  results[[a, b].sort().join()] = line;
const allelesOf = (group, homozygous) =>
  [['0', '0'], ['A', homozygous ? 'A' : '0'], ['B', homozygous ? 'B' : '0'], ['A', 'B']][group];
const genotype = (x, y) => ('AB0'.indexOf(x) <= 'AB0'.indexOf(y) ? x + y : y + x);
const report = (homozygous, father, mother) =>
  'Изведената решетка на Пънет е частична и не отчита\nвероятности за '
  + (homozygous ? 'Хетерозиготни' : 'Хомозиготни') + ' алели в кръвни групи A и B.\n'
  + `При кръвна група родители: ${GROUPS[father]} и ${GROUPS[mother]} вероятност: \n`
  + results[[father, mother].sort().join()] + '\n';

// A script as an element and one as a handler in markup, put into the page as an attacker would.
const INJECT = `
window.refused = [];
document.addEventListener('securitypolicyviolation', e => refused.push(e.violatedDirective));
const s = document.createElement('script');
s.textContent = 'window.injected = 1';
document.body.append(s);
document.body.insertAdjacentHTML('beforeend', '<img src="none.png" onerror="window.injected = 2">');`;

// The site's files put in FOLDER as unzipping a release leaves them, dated DAYS back; VERSION, a
// later one, marks the page and names a keep of its own, as a new build would.
const putUp = (site, folder, days, version) => {
  for (const name of fs.readdirSync(site)) {
    let data = fs.readFileSync(path.join(site, name));
    if (version && name === 'index.html')
      data = Buffer.from(String(data).replace('<meta charset="utf-8">\n',
        `<meta charset="utf-8">\n<meta name="version" content="${version}">\n`));
    if (version && name === 'sw.js')
      data = Buffer.from(String(data).replace("const KEEP = 'morvela-", `const KEEP = 'morvela-v${version}-`));
    fs.writeFileSync(path.join(folder, name), data);
    const when = new Date(Date.now() - days * 24 * 3600 * 1000);
    fs.utimesSync(path.join(folder, name), when, when);
  }
};

// A plain static server on the loopback address, as most school hosts are: Last-Modified, no
// Cache-Control.
const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
const serve = folder => new Promise(resolve => {
  const server = http.createServer((request, response) => {
    const name = path.basename(new URL(request.url, 'http://localhost').pathname) || 'index.html';
    const file = path.join(folder, name);
    if (!fs.existsSync(file)) { response.writeHead(404); response.end(); return; }
    const modified = new Date(Math.floor(fs.statSync(file).mtimeMs / 1000) * 1000);
    const since = request.headers['if-modified-since'];
    if (since && new Date(since) >= modified) { response.writeHead(304); response.end(); return; }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(name)] || 'application/octet-stream',
      'Last-Modified': modified.toUTCString() });
    response.end(fs.readFileSync(file));
  });
  server.listen(0, '127.0.0.1', () => resolve(server));
});

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
      await page.waitForFunction(() => performance.getEntriesByName('ready').length > 0);
    };
    // What a visit sees and what the worker keeps, evaluated in the page.
    const kept = fs.readFileSync(path.join(__dirname, 'page_kept.js'), 'utf8');
    const seen = () => page.evaluate(kept);
    await open('file://' + path.resolve(pagePath));
    const choose = async (parent, group) => {
      await page.focus(`#List1_${parent}`);
      await page.keyboard.press('Home');
      for (let k = 0; k < group; ++k) await page.keyboard.press('ArrowDown');
    };
    for (const homozygous of [true, false]) {
      for (let father = 0; father < 4; ++father) {
        for (let mother = 0; mother < 4; ++mother) {
          await page.click(`#Option1_${homozygous ? 0 : 1}`);
          await choose(0, father);
          await choose(1, mother);
          await page.click('#Command1_0');
          const a = allelesOf(father, homozygous).concat(allelesOf(mother, homozygous));
          const want = JSON.stringify([a, [genotype(a[0], a[2]), genotype(a[1], a[2]),
            genotype(a[0], a[3]), genotype(a[1], a[3])], report(homozygous, father, mother)]);
          const got = JSON.stringify(await page.evaluate(() => {
            const text = id => document.getElementById(id).textContent;
            return [[0, 1, 2, 3].map(i => text('Label2_' + i)), [0, 1, 2, 3].map(i => text('Check1_' + i)),
              document.getElementById('Text1_0').value];
          }));
          const name = `${homozygous ? 'homozygous' : 'heterozygous'} ${GROUPS[father]} x ${GROUPS[mother]}`;
          if (got === want) ++passed;
          else { ++failed; console.log(`FAIL ${name}: ${got}, expected ${want}`); }
        }
      }
    }
    // A link that carries a choice opens at it, as the pupil's clicks would have made it.
    await page.goto('about:blank');
    await page.goto('file://' + path.resolve(pagePath) + '#father=A&mother=B&alleles=heterozygous');
    await page.waitForFunction(() => performance.getEntriesByName('ready').length > 0);
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
      await page.evaluate(INJECT);
      await page.waitForFunction(() => window.refused.length >= 2, { timeout: 5000 })
        .catch(() => {});
      const [refused, injected] = await page.evaluate(() => [window.refused.length, typeof injected]);
      await choose(0, 1);
      await choose(1, 2);
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
    const site = path.join(path.dirname(path.resolve(pagePath)), 'site');
    putUp(site, folder, 60);
    const server = await serve(folder);
    const url = `http://127.0.0.1:${server.address().port}/`;
    await open(url);
    const controlled = await page.waitForFunction(() => navigator.serviceWorker.controller
      || (navigator.serviceWorker.ready.then(() => location.reload()), false), { timeout: 10000 })
      .then(() => true, () => false);
    if (!controlled) {
      console.log('firefox: no service worker runs under this driver; the site checked without one');
    } else {
      await open(url);
      check('the second visit', (await seen())[0] === '1', JSON.stringify(await seen()));
      putUp(site, folder, 5, '2');
      await open(url);
      check('the new version at the next visit', (await seen())[0] === '2', JSON.stringify(await seen()));
      const wanted = {};
      for (const name of fs.readdirSync(folder).filter(n => n !== 'sw.js'))
        wanted[name] = crypto.createHash('sha256').update(fs.readFileSync(path.join(folder, name))).digest('hex');
      wanted[''] = wanted['index.html'];
      const keptAlone = () => seen().then(([, kept]) => Object.keys(kept).length === 1
        && JSON.stringify(Object.values(kept)[0], Object.keys(wanted).sort())
          === JSON.stringify(wanted, Object.keys(wanted).sort()));
      let alone = false;
      for (const end = Date.now() + 10000; !alone && Date.now() < end;)
        alone = await keptAlone() || await new Promise(r => setTimeout(() => r(false), 50));
      check('the keep after the new version', alone, JSON.stringify((await seen())[1]));
    }
    await policy('from the site');
    server.closeAllConnections();
    server.close();
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
