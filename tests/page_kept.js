// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a visit to the site sees and what its worker keeps: the page's version (a test's later
// version marks itself, the first does not) and, for each kept file, its SHA-256, by keep. One
// expression, evaluated in the page by the site's checks in Chromium and in Firefox.
(async () => {
  const kept = {};
  for (const name of await caches.keys()) {
    const keep = await caches.open(name);
    kept[name] = {};
    for (const request of await keep.keys()) {
      const bytes = await (await keep.match(request)).arrayBuffer();
      kept[name][new URL(request.url).pathname.slice(1)] = [...new Uint8Array(
        await crypto.subtle.digest('SHA-256', bytes))].map(b => b.toString(16).padStart(2, '0')).join('');
    }
  }
  const version = document.querySelector('meta[name="version"]');
  return [version ? version.content : '1', kept];
})()
