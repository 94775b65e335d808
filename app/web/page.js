// The page's script: hands the core its WebAssembly, enables the controls once the core is
// ready, raises each control's event on it, and gives the window its keyboard: Enter for the
// default button, Alt with an access key, Ctrl+S, the Help menu and the message dialog.
(function () {
    'use strict';

    var win = document.querySelector('.window');
    var dialog = document.getElementById('msgBox');
    var ready = false;

    function wasmBytes() {
        var base64 = document.getElementById('freefallWasm').textContent.trim();
        // Decoded natively where the browser can, several times quicker than byte by byte.
        if (typeof Uint8Array.fromBase64 === 'function')
            return Uint8Array.fromBase64(base64);
        var text = atob(base64);
        var bytes = new Uint8Array(text.length);
        for (var i = 0; i < text.length; ++i)
            bytes[i] = text.charCodeAt(i);
        return bytes;
    }

    // The letter of a key for access keys and shortcuts: the typed letter, or the key's place
    // where Alt turns it into another character.
    function letterOf(event) {
        if (event.key && event.key.length === 1 && /[a-z]/i.test(event.key))
            return event.key.toLowerCase();
        var code = /^Key([A-Z])$/.exec(event.code || '');
        return code ? code[1].toLowerCase() : '';
    }

    // The Help menu.
    var menu = win.querySelector('.menu');
    var menuTitle = menu.querySelector('.menutitle');
    var popup = document.getElementById(menuTitle.getAttribute('aria-controls'));
    var menuItems = popup.querySelectorAll('[role="menuitem"]');
    var lastFocus = null;

    function menuOpen() {
        return !popup.hidden;
    }

    function openMenu() {
        popup.hidden = false;
        menuTitle.setAttribute('aria-expanded', 'true');
        menuItems[0].focus();
    }

    function closeMenu(restoreFocus) {
        if (!menuOpen())
            return;
        popup.hidden = true;
        menuTitle.setAttribute('aria-expanded', 'false');
        if (restoreFocus && lastFocus)
            lastFocus.focus();
    }

    // The control a menu returns the focus to is the one that had it before.
    document.addEventListener('focusin', function (event) {
        if (!menu.contains(event.target) && !dialog.contains(event.target))
            lastFocus = event.target;
    });
    menuTitle.addEventListener('mousedown', function (event) {
        event.preventDefault();
    });
    menuTitle.addEventListener('click', function () {
        if (menuOpen())
            closeMenu(true);
        else
            openMenu();
    });
    popup.addEventListener('focusout', function (event) {
        if (!menu.contains(event.relatedTarget))
            closeMenu(false);
    });
    document.addEventListener('mousedown', function (event) {
        if (menuOpen() && !menu.contains(event.target))
            closeMenu(false);
    });
    // Choosing an item closes the menu before the item's event runs.
    menuItems.forEach(function (item) {
        item.addEventListener('click', function () {
            closeMenu(true);
        }, true);
    });

    // The message box: modal, one OK button, closed by OK, Enter or Escape; the focus goes back
    // where it was.
    function showMessage(title, prompt) {
        var back = document.activeElement;
        var text = prompt.replace(/\r\n/g, '\n');
        if (typeof dialog.showModal !== 'function') {
            window.alert(title + '\n\n' + text);
            return;
        }
        document.getElementById('msgBoxTitle').textContent = title;
        document.getElementById('msgBoxText').textContent = text;
        dialog.addEventListener('close', function () {
            if (back && back.focus)
                back.focus();
        }, {once: true});
        dialog.showModal();
        document.getElementById('msgBoxOk').focus();
    }

    // Events of the controls, numbered as the core numbers them.
    win.querySelectorAll('[data-event]').forEach(function (element) {
        var event = Number(element.getAttribute('data-event'));
        element.addEventListener(element.getAttribute('data-on'), function () {
            if (ready)
                window.Module._freefall_event(event);
        });
    });

    var accessKeys = {};
    win.querySelectorAll('[data-access-key]').forEach(function (element) {
        if (!popup.contains(element))
            accessKeys[element.getAttribute('data-access-key')] = element;
    });
    var shortcut = popup.querySelector('[data-shortcut]');
    var defaultButton = win.querySelector('[data-default]');

    // An access key focuses its control and clicks it; an option button already selected only
    // takes the focus, since a radio raises its change event only when it becomes selected.
    function activate(element) {
        if (element === menuTitle) {
            if (menuOpen())
                closeMenu(true);
            else
                openMenu();
            return;
        }
        element.focus();
        element.click();
    }

    function onMenuKey(event) {
        var plain = !event.ctrlKey && !event.altKey && !event.metaKey;
        if (event.key === 'Escape' || (event.key === 'Tab' && plain) ||
            (event.altKey && letterOf(event) === menuTitle.getAttribute('data-access-key'))) {
            event.preventDefault();
            closeMenu(true);
            return;
        }
        if (!plain)
            return;
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp' || event.key === 'Home' ||
            event.key === 'End') {
            event.preventDefault();
            menuItems[0].focus();
            return;
        }
        var letter = letterOf(event);
        for (var i = 0; letter && i < menuItems.length; ++i) {
            if (menuItems[i].getAttribute('data-access-key') === letter) {
                event.preventDefault();
                menuItems[i].click();
                return;
            }
        }
    }

    document.addEventListener('keydown', function (event) {
        // Until the core is ready nothing is enabled. The dialog takes its own keys, and Ctrl+S
        // there is nobody's: not the browser's either, which would offer to save the page.
        if (dialog.open && event.ctrlKey && letterOf(event) === 's')
            event.preventDefault();
        if (!ready || dialog.open)
            return;
        if (menuOpen()) {
            onMenuKey(event);
            return;
        }
        var letter = letterOf(event);
        if (event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey && shortcut &&
            letter === shortcut.getAttribute('data-shortcut')) {
            event.preventDefault();
            shortcut.click();
            return;
        }
        if (event.altKey && !event.ctrlKey && !event.metaKey) {
            if (accessKeys[letter]) {
                event.preventDefault();
                activate(accessKeys[letter]);
            }
            return;
        }
        var plain = !event.ctrlKey && !event.metaKey && !event.shiftKey;
        if (event.key === 'F10' && plain) {
            event.preventDefault();
            openMenu();
            return;
        }
        // A command button takes Enter itself; everywhere else Enter clicks the default button.
        if (event.key === 'Enter' && plain && !event.isComposing &&
            event.target.tagName !== 'BUTTON') {
            event.preventDefault();
            defaultButton.click();
        }
    }, true);

    function start() {
        var controls = win.querySelectorAll('[disabled]');
        controls.forEach(function (control) {
            control.disabled = false;
        });
        ready = window.Module._freefall_start() === 1;
        if (!ready) {
            controls.forEach(function (control) {
                control.disabled = true;
            });
        }
    }

    window.Module = {
        wasmBinary: wasmBytes(),
        onRuntimeInitialized: start,
        freefallShowMessage: showMessage,
        freefallSetMousePointer: function (pointer) {
            win.setAttribute('data-mouse-pointer', String(pointer));
        },
        print: function () {},
        printErr: function () {}
    };
})();
