// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Drives Debian's Firefox ESR for page_test.py through puppeteer-core over
// WebDriver BiDi: one JSON command a line on stdin, one JSON answer a line on
// stdout. The commands are what the test does to a page.
'use strict';
const puppeteer = require('puppeteer-core');
const readline = require('readline');

(async () => {
    const browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        userDataDir: process.argv[2],
    });
    const page = await browser.newPage();
    await page.setViewport({width: 640, height: 480});
    let errors = [];
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    page.on('pageerror', (error) => errors.push(String(error)));

    const commands = {
        get: async (url) => { await page.goto(url, {waitUntil: 'domcontentloaded'}); },
        // A function body with `return`, as WebDriver takes it.
        js: (body, args) => page.evaluate(`(function () { ${body} }).apply(null, ${JSON.stringify(args)})`),
        click: (x, y) => page.mouse.click(x, y),
        press: async (keys) => {
            for (const key of keys)
                await page.keyboard.press(key);
        },
        shot: () => page.screenshot({encoding: 'base64'}),
        title: () => page.title(),
        errors: () => errors.splice(0),
    };
    for await (const line of readline.createInterface({input: process.stdin})) {
        const {command, args} = JSON.parse(line);
        try {
            process.stdout.write(JSON.stringify({value: (await commands[command](...args)) ?? null}) + '\n');
        } catch (error) {
            process.stdout.write(JSON.stringify({error: String(error)}) + '\n');
        }
    }
    await browser.close();
})();
