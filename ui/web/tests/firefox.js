// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Drives Debian's Firefox ESR for page_test.py through puppeteer-core over
// WebDriver BiDi: one JSON command a line on stdin, one JSON answer a line on
// stdout. The commands are what the test does to a page. Firefox starts
// with the preferences given as JSON, which emulate a touch screen, forced
// colours or JavaScript off.
'use strict';
const puppeteer = require('puppeteer-core');
const readline = require('readline');

(async () => {
    const browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        userDataDir: process.argv[2],
        extraPrefsFirefox: JSON.parse(process.argv[3]),
    });
    let errors = [];
    const newPage = async () => {
        const opened = await browser.newPage();
        await opened.setViewport({width: 640, height: 480});
        opened.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
        opened.on('pageerror', (error) => errors.push(String(error)));
        return opened;
    };
    let page = await newPage();

    const commands = {
        get: async (url) => { await page.goto(url, {waitUntil: 'domcontentloaded'}); },
        // A function body with `return`, as WebDriver takes it.
        js: (body, args) => page.evaluate(`(function () { ${body} }).apply(null, ${JSON.stringify(args)})`),
        click: (x, y) => page.mouse.click(x, y),
        tap: (x, y) => page.touchscreen.tap(x, y),
        viewport: (width, height) => page.setViewport({width, height}),
        // Keys as 'Tab' or, with modifiers held, 'Shift+Tab'.
        press: async (keys) => {
            for (const chord of keys) {
                const [key, ...held] = chord.split('+').reverse();
                for (const modifier of held)
                    await page.keyboard.down(modifier);
                await page.keyboard.press(key);
                for (const modifier of held)
                    await page.keyboard.up(modifier);
            }
        },
        // A key held until it repeats once.
        hold: async (key) => {
            await page.keyboard.down(key);
            await page.keyboard.down(key);
            await page.keyboard.up(key);
        },
        text: () => page.evaluate(() => document.body.innerText),
        shot: () => page.screenshot({encoding: 'base64'}),
        title: () => page.title(),
        errors: () => errors.splice(0),
        // The tab closed, as a player closes it, and a blank one opened.
        close: async () => {
            const closing = page;
            page = await newPage();
            await closing.close();
        },
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
