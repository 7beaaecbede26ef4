// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// The page's side of Varnel: it makes the elements the program asks for,
// reports clicks on the buttons, shows the program's boxes and, at the end,
// takes the game off the page. The game itself is all in the program.
'use strict';

const VarnelPage = (() => {
    const board = document.getElementById('board');
    const starting = document.getElementById('starting');
    let failed = false;

    // The page says it is loading until the program is ready, and if the
    // program cannot start, why and what the player can do: never a blank
    // page. The first reason found is the one told.
    function cannotStart(words) {
        if (failed)
            return;
        failed = true;
        board.remove();
        starting.textContent = words;
        starting.hidden = false;
    }
    starting.hidden = false;
    if (location.protocol === 'file:')
        cannotStart('Serve this folder from a web server; it cannot run from a file. For example, run '
                    + '"python3 -m http.server" in the folder and open http://127.0.0.1:8000/.');
    else if (typeof WebAssembly !== 'object')
        cannotStart('Varnel needs JavaScript and WebAssembly, and this browser has no WebAssembly. '
                    + 'Open the page in a browser that has it.');
    const broken = (what) => cannotStart(`Varnel could not start: ${what}. Load the page again; if that does not `
                                         + 'help, unpack the page\'s folder again, with all its files.');

    // On a phone (a coarse pointer) or in a viewport too narrow for it, the
    // board fills the viewport but for a margin, scaled as a whole so that
    // every control keeps its place, size and stacking relative to the rest;
    // an open box is scaled alike and fits too. Otherwise the board keeps
    // its size at 96 dots per inch, as on the desktop.
    const margin = 8;
    const coarse = matchMedia('(pointer: coarse)');
    let openBoxElement = null;
    let scale = 1;

    function fit() {
        const room = (width, height) => Math.min((innerWidth - 2 * margin) / width, (innerHeight - 2 * margin) / height);
        const scaled = coarse.matches || innerWidth < board.offsetWidth + 2 * margin;
        scale = scaled ? room(board.offsetWidth, board.offsetHeight) : 1;
        const left = (innerWidth - board.offsetWidth * scale) / 2;
        board.style.transform = scaled ? `translate(${left}px, ${margin}px) scale(${scale})` : '';
        const box = openBoxElement;
        if (!box)
            return;
        box.style.position = scaled ? 'fixed' : '';
        box.style.minWidth = box.style.maxWidth = box.style.left = box.style.top = box.style.transform = '';
        if (!scaled)
            return;
        // Narrower, so that the text wraps instead of leaving the screen.
        const widest = (innerWidth - 2 * margin) / scale;
        box.style.maxWidth = `${widest}px`;
        box.style.minWidth = `${Math.min(box.offsetWidth, widest)}px`;
        const boxScale = Math.min(scale, room(box.offsetWidth, box.offsetHeight));
        box.style.left = `${(innerWidth - box.offsetWidth * boxScale) / 2}px`;
        box.style.top = `${(innerHeight - box.offsetHeight * boxScale) / 2}px`;
        box.style.transform = `scale(${boxScale})`;
    }
    addEventListener('resize', fit);
    coarse.addEventListener('change', fit);
    fit();

    window.addEventListener('error', (event) => {
        if (event.target instanceof HTMLScriptElement)
            broken(`${event.target.src} did not load`);
    }, true);
    let buttons = []; // by tab index, then in tab order
    let running = false; // a click's handler has not finished: no other starts
    let ended = false;
    let changes = []; // what a click changed, for the live region

    const cssColour = (c) => `rgb(${c & 0xff}, ${(c >> 8) & 0xff}, ${(c >> 16) & 0xff})`;

    const square = (name) => {
        const element = document.getElementById(name);
        return element && element.classList.contains('square') && board.contains(element) ? element : null;
    };

    // Clicks on the page's buttons before the program is ready wait here, to
    // be played in order once it is.
    const early = [];
    const controlIndex = new Map(); // a button's place in the window's table
    let started = false;
    board.addEventListener('click', (event) => {
        const button = event.target.closest('button');
        if (button && started)
            click(controlIndex.get(button));
        else if (button)
            early.push(button);
    });
    board.addEventListener('keydown', dropRepeats);
    // A tap on the button that has the focus (the first has it at the start)
    // leaves it without the keyboard's focus ring, which looks pressed: the
    // tap itself gives the focus back, as a pointer's focus, without a ring.
    board.addEventListener('pointerdown', (event) => {
        const button = event.target.closest('button');
        if (button && event.pointerType === 'touch' && button === document.activeElement)
            button.blur();
    });

    async function playEarlyClicks() {
        started = true;
        for (const button of early.splice(0))
            await click(controlIndex.get(button));
    }

    async function click(index) {
        if (running || ended)
            return;
        running = true;
        try {
            await Module.ccall('varnel_click', null, ['number'], [index], {async: true});
        } finally {
            running = false;
            if (changes.length && !ended)
                document.getElementById('changes').textContent = changes.join('. ') + '.';
            changes = [];
        }
    }

    // Tab and Shift+Tab go round the buttons in tab order and stay on the page.
    function moveFocus(event) {
        if (event.key !== 'Tab' || ended)
            return;
        event.preventDefault();
        const here = buttons.indexOf(document.activeElement);
        const step = event.shiftKey ? buttons.length - 1 : 1;
        buttons[here < 0 ? 0 : (here + step) % buttons.length].focus();
    }

    // A held Enter clicks once, not again as the key repeats.
    function dropRepeats(event) {
        if (event.key === 'Enter' && event.repeat)
            event.preventDefault();
    }

    const made = (tag, className, text) => {
        const element = document.createElement(tag);
        element.className = className;
        element.textContent = text;
        return element;
    };

    // A modal box: nothing else on the page reacts while it is open, and
    // the keyboard stays with it. Enter, Space, Escape or OK close it.
    function openBox(title, text, closed) {
        const returnFocus = document.activeElement;
        const shield = made('div', 'shield', '');
        const box = made('div', 'box', '');
        const heading = made('div', 'title', title);
        heading.id = 'box-title';
        const message = made('p', 'text', text);
        message.id = 'box-text';
        const ok = made('button', 'ok', 'OK');
        ok.type = 'button';
        box.append(heading, message, ok);
        box.setAttribute('role', 'alertdialog');
        box.setAttribute('aria-modal', 'true');
        box.setAttribute('aria-labelledby', 'box-title');
        box.setAttribute('aria-describedby', 'box-text');

        const keys = (event) => {
            event.stopPropagation();
            if (event.key === 'Tab')
                event.preventDefault();
            else if (event.key === 'Enter' || event.key === 'Escape' || event.key === ' ') {
                event.preventDefault();
                if (!event.repeat)
                    close();
            }
        };
        const keepFocus = (event) => {
            if (event.target !== ok) {
                event.preventDefault();
                ok.focus();
            }
        };
        function close() {
            document.removeEventListener('keydown', keys, true);
            shield.remove();
            box.remove();
            openBoxElement = null;
            if (returnFocus && document.contains(returnFocus))
                returnFocus.focus();
            closed();
        }
        ok.addEventListener('click', close);
        shield.addEventListener('mousedown', keepFocus);
        box.addEventListener('mousedown', keepFocus);
        document.addEventListener('keydown', keys, true);
        document.body.append(shield, box);
        openBoxElement = box;
        fit();
        ok.focus();
    }

    return {
        // What the program is told when it cannot go on starting.
        broken,
        // The page has said why the program cannot run: it does not start.
        get failed() {
            return failed;
        },

        // The page comes with the controls in their places; the program
        // takes them over, and makes any that are missing.
        makeControl(index, name, isSquare, caption, spoken, left, top, width, height, tabIndex) {
            const found = document.getElementById(name);
            const element = found && board.contains(found) ? found : document.createElement(isSquare ? 'div' : 'button');
            element.id = name;
            element.className = isSquare ? 'square' : 'control';
            element.textContent = caption;
            element.setAttribute('aria-label', spoken);
            if (isSquare)
                element.setAttribute('role', 'img');
            Object.assign(element.style, {left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`});
            if (!isSquare) {
                element.type = 'button';
                controlIndex.set(element, index);
                buttons[tabIndex] = element;
            }
            if (element !== found)
                board.appendChild(element);
        },

        colour(name) {
            const element = square(name);
            return element ? element.varnelColour : -1;
        },

        setColour(name, colour, content) {
            const element = square(name);
            if (!element)
                return 0;
            if (element.varnelColour !== colour) {
                if (element.varnelColour !== undefined)
                    changes.push(`${element.getAttribute('aria-label')}: ${content}`);
                element.varnelColour = colour;
                element.style.backgroundColor = cssColour(colour);
                element.setAttribute('aria-description', content);
            }
            return 1;
        },

        // A button that is gone keeps no description: nothing to tell.
        describe(name, description) {
            const element = document.getElementById(name);
            if (element)
                element.setAttribute('aria-description', description);
        },

        ready() {
            starting.hidden = true;
            // After the program's start-up has returned, so that it can take clicks.
            Promise.resolve().then(playEarlyClicks);
            buttons = buttons.filter(Boolean);
            document.addEventListener('keydown', moveFocus);
            // A press off the buttons (a square, an empty cell, the
            // background) changes nothing, the focus included.
            document.addEventListener('mousedown', (event) => {
                if (!event.target.closest('button, a'))
                    event.preventDefault();
            });
            buttons[0].focus();
        },

        // A modal box: nothing else on the page reacts while it is open, and
        // the keyboard stays with it. Enter, Space, Escape or OK close it.
        showBox(title, text) {
            return new Promise((resolve) => {
                // Whatever goes wrong here, the handler waiting on the box
                // goes on: the page never freezes with a click half run.
                try {
                    openBox(title, text, resolve);
                } catch (error) {
                    console.error(error);
                    resolve();
                }
            });
        },

        // The end of the program: the game leaves the page for good.
        end() {
            ended = true;
            board.remove();
            document.getElementById('changes').textContent = '';
            const message = document.getElementById('ended');
            message.hidden = false;
            message.querySelector('a').focus();
        },
    };
})();

// The program's settings: how it tells the page that it could not start,
// and not to start where the page already knows it cannot (some browsers
// load the program from a file, but the page is not meant to run there).
var Module = {onAbort: (what) => VarnelPage.broken(what), noInitialRun: VarnelPage.failed};

// Offline play: where the browser has service workers and the page is served,
// sw.js keeps the page's own files once it has loaded. Without a worker (a
// file, a browser with them off, plain http away from this machine) or if
// registering fails, the page plays on as ever, needing the network: a
// failure changes nothing the player sees, so it is not reported.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    addEventListener('load', () => {
        const worker = 'sw.js';
        // The page's policy takes script addresses only from a Trusted Types
        // policy named varnel, and this one gives out the worker's alone.
        const address = typeof trustedTypes === 'object'
            ? trustedTypes.createPolicy('varnel', {
                createScriptURL: (url) => {
                    if (url !== worker)
                        throw new TypeError(`not the page's worker: ${url}`);
                    return url;
                },
            }).createScriptURL(worker)
            : worker;
        navigator.serviceWorker.register(address).catch(() => {});
    });
}
