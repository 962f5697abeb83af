// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's checks under node (puppeteer-core) expect of the lesson, and how they do it by
// keyboard: the alleles, the grid and the report for a pair, byte for byte as the window's tests
// expect them, and a script put in as an attacker would.
'use strict';
const fs = require('fs');
const path = require('path');

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

// What the page should show for a pair, and what it shows, each as one JSON text.
const wanted = (homozygous, father, mother) => {
  const a = allelesOf(father, homozygous).concat(allelesOf(mother, homozygous));
  return JSON.stringify([a, [genotype(a[0], a[2]), genotype(a[1], a[2]),
    genotype(a[0], a[3]), genotype(a[1], a[3])], report(homozygous, father, mother)]);
};
const shown = page => page.evaluate(() => {
  const text = id => document.getElementById(id).textContent;
  return JSON.stringify([[0, 1, 2, 3].map(i => text('Label2_' + i)),
    [0, 1, 2, 3].map(i => text('Check1_' + i)), document.getElementById('Text1_0').value]);
});
// A parent's group chosen by keyboard in that parent's list.
const choose = async (page, parent, group) => {
  await page.focus(`#List1_${parent}`);
  await page.keyboard.press('Home');
  for (let k = 0; k < group; ++k) await page.keyboard.press('ArrowDown');
};
const ready = page => page.waitForFunction(() => performance.getEntriesByName('ready').length > 0);

// A script as an element and one as a handler in markup, put into the page as an attacker would.
const INJECT = `
window.refused = [];
document.addEventListener('securitypolicyviolation', e => refused.push(e.violatedDirective));
const s = document.createElement('script');
s.textContent = 'window.injected = 1';
document.body.append(s);
document.body.insertAdjacentHTML('beforeend', '<img src="none.png" onerror="window.injected = 2">');`;
// Both refused, within a deadline: the count refused and what the injected script left.
const refusedInjected = async page => {
  await page.evaluate(INJECT);
  await page.waitForFunction(() => window.refused.length >= 2, { timeout: 5000 }).catch(() => {});
  return page.evaluate(() => [window.refused.length, typeof injected]);
};

module.exports = { GROUPS, report, wanted, shown, choose, ready, refusedInjected };
