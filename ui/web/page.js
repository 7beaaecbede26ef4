// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// The page's side of Varnel: it hands the board's clicks to the program,
// shows the program's boxes and words, fits the board to the screen and, at
// the end, takes the game off the page. The board comes with the page; the
// game itself is all in the program. It goes out at the head of the
// program's runtime, in one file: strict within, where the runtime is not.

const VarnelPage = (() => {
    'use strict';
    const board = document.getElementById('board');
    const starting = document.getElementById('starting');
    const told = document.getElementById('changes');
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
    const box = document.getElementById('box');
    let scale = 1;

    function fit() {
        const room = (width, height) => Math.min((innerWidth - 2 * margin) / width, (innerHeight - 2 * margin) / height);
        const scaled = coarse.matches || innerWidth < board.offsetWidth + 2 * margin;
        scale = scaled ? room(board.offsetWidth, board.offsetHeight) : 1;
        const left = (innerWidth - board.offsetWidth * scale) / 2;
        board.style.transform = scaled ? `translate(${left}px, ${margin}px) scale(${scale})` : '';
        if (box.hidden)
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

    // A tap on the button that has the focus (the first has it at the start)
    // leaves it without the keyboard's focus ring, which looks pressed: the
    // tap itself gives the focus back, as a pointer's focus, without a ring.
    board.addEventListener('pointerdown', (event) => {
        const button = event.target.closest('button');
        if (button && event.pointerType === 'touch' && button === document.activeElement)
            button.blur();
    });

    // Firefox tells a screen reader that a button's description changed only
    // when it next reads it, which it does as the button takes the focus:
    // the reader then says the new words twice. A button whose accessible
    // is made afresh, by a change of its role attribute, has no old words to
    // compare with. The focused one is renewed once the focus leaves it, so
    // that it does not announce itself again.
    const stale = new Set();
    const renew = (button) => (button.hasAttribute('role') ? button.removeAttribute('role')
                                                           : button.setAttribute('role', 'button'));
    board.addEventListener('focusout', (event) => {
        if (stale.delete(event.target))
            renew(event.target);
    });

    // The page comes with the buttons in their tab order.
    const buttons = [...board.querySelectorAll('button')];

    // Tab and Shift+Tab go round the buttons and stay on the page.
    function moveFocus(event) {
        if (event.key !== 'Tab' || !board.isConnected)
            return;
        event.preventDefault();
        const here = buttons.indexOf(document.activeElement);
        const step = event.shiftKey ? buttons.length - 1 : 1;
        buttons[here < 0 ? 0 : (here + step) % buttons.length].focus();
    }

    // Clicks on the buttons go to the program, each as the button's place
    // among them (the order the program has them in too). Those made before it
    // is ready, caught by the page's first script or here, are played in
    // order once it is: as on the desktop, the program drops those that
    // come behind a box that one of them opened. Where the first script did
    // not run (a policy or an extension that refuses inline scripts), the
    // clicks from here on still reach the program.
    const click = (name) => _varnel_click(buttons.indexOf(document.getElementById(name)));
    let waiting = window.varnelClicks || [];
    if (!window.varnelClicks)
        addEventListener('keydown', (event) => event.repeat && event.key === 'Enter' && event.preventDefault(), true);
    window.varnelClicks = null;
    addEventListener('click', (event) => {
        const button = event.target.closest && event.target.closest('#board button');
        if (button)
            waiting ? waiting.push(button.id) : click(button.id);
    });

    const square = (name) => {
        const element = document.getElementById(name);
        return element && element.classList.contains('square') && board.contains(element) ? element : null;
    };

    // The box, which the page comes with, is modal: nothing else on the
    // page reacts while it is open, and the keyboard stays with it. Enter,
    // Space, Escape or OK close it.
    const shield = document.getElementById('shield');
    const ok = box.querySelector('button');
    let returnFocus = null;
    function openBox(title, text) {
        document.getElementById('box-title').textContent = title;
        document.getElementById('box-text').textContent = text;
        returnFocus = document.activeElement;
        shield.hidden = box.hidden = false;
        fit();
        ok.focus();
    }
    // The program goes on with the click that opened the box.
    function close() {
        shield.hidden = box.hidden = true;
        if (returnFocus && document.contains(returnFocus))
            returnFocus.focus();
        _varnel_dismissed();
    }
    ok.addEventListener('click', close);
    for (const element of [shield, box]) {
        element.addEventListener('mousedown', (event) => {
            if (event.target !== ok) {
                event.preventDefault();
                ok.focus();
            }
        });
    }
    document.addEventListener('keydown', (event) => {
        if (box.hidden)
            return;
        event.stopPropagation();
        if (event.key === 'Tab')
            event.preventDefault();
        else if (event.key === 'Enter' || event.key === 'Escape' || event.key === ' ') {
            event.preventDefault();
            if (!event.repeat)
                close();
        }
    }, true);

    return {
        // What the program is told when it cannot go on starting.
        broken,
        // The program has started, and the page plays.
        started: false,

        hasSquare: (name) => !!square(name),

        // `label` names the square with what it now holds.
        paint(name, colour, label) {
            const element = square(name);
            if (!element)
                return 0;
            element.style.backgroundColor = colour;
            element.setAttribute('aria-label', label);
            return 1;
        },

        // A button that is gone keeps no description: nothing to tell.
        describe(name, words) {
            const element = document.getElementById(name);
            if (!element)
                return;
            element.setAttribute('aria-description', words);
            if (element === document.activeElement)
                stale.add(element);
            else
                renew(element);
        },

        // Said once by the live region; the same words again are made to
        // differ, so that they are said again too.
        announce(words) {
            told.textContent = told.textContent === words ? `${words}\u00a0` : words;
        },

        // Where the page has said why the program cannot run, it does not
        // start even if it loads (as some browsers let it from a file).
        ready() {
            if (failed)
                return;
            this.started = true;
            starting.hidden = true;
            document.addEventListener('keydown', moveFocus);
            // A press off the buttons (a square, an empty cell, the
            // background) changes nothing, the focus included.
            document.addEventListener('mousedown',
                                      (event) => event.target.closest('button, a') || event.preventDefault());
            // After the program's start-up has returned, so that it can take clicks.
            Promise.resolve(waiting).then((caught) => caught.forEach(click));
            waiting = null;
        },

        // 1 once the box is open, 0 when it cannot be opened (its elements
        // are gone from the page): the program then goes on at once, so the
        // page never freezes with a click half run.
        showBox(title, text) {
            try {
                openBox(title, text);
                return 1;
            } catch (error) {
                console.error(error);
                shield.hidden = box.hidden = true;
                return 0;
            }
        },

        // The end of the program: the game leaves the page for good, and
        // the focus goes to the link whose name says so. An installed app's
        // window stays open on those words too, so that a screen reader
        // says them: the player closes it.
        end() {
            board.remove();
            told.textContent = '';
            const message = document.getElementById('ended');
            message.hidden = false;
            message.querySelector('a').focus();
        },
    };
})();

// The program's runtime takes its settings from here (it needs none), and
// has no word of its own for a program that could not be fetched or
// started: the page says it.
var Module = {};
addEventListener('unhandledrejection', (event) => {
    if (!VarnelPage.started) {
        event.preventDefault();
        VarnelPage.broken(String(event.reason));
    }
});

// Offline play: where the browser has service workers and the page is served,
// sw.js keeps the page's own files once it has loaded. Without a worker (a
// file, a browser with them off, plain http away from this machine) or if
// registering fails, the page plays on as ever, needing the network: a
// failure changes nothing the player sees, so it is not reported.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    addEventListener('load', () => {
        // The page's policy takes script addresses only from a Trusted Types
        // policy named varnel, and this one gives out the worker's alone.
        const policy = self.trustedTypes && trustedTypes.createPolicy('varnel', {createScriptURL: (url) => {
            if (url !== 'sw.js')
                throw new TypeError(`not the page's worker: ${url}`);
            return url;
        }});
        navigator.serviceWorker.register(policy ? policy.createScriptURL('sw.js') : 'sw.js').catch(() => {});
    });
}
