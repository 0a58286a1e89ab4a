// ntc-beta: the result's copy menu ("复制", "复制完整数值") and the copy keys,
// by mouse, keyboard and touch. Part of the page's script (form.js).

const menu = document.querySelector('[role=menu]');
let menuSelection = '';
let focusBeforePress = null;
let pressedWith = ''; // the last press's pointer: "mouse", "touch", "pen"

const setFullValueShown = (shown) => { menu.querySelector('[data-copy=full]').disabled = !shown; };

// Where the Clipboard API is missing (a page served over plain HTTP), a
// selected text box copies; the focus goes back where it was, so the next
// key typed still reaches its field.
function copy(text) {
  const byHand = () => {
    const focused = document.activeElement;
    const area = document.createElement('textarea');
    area.value = text;
    area.setAttribute('aria-hidden', 'true');
    area.style.position = 'fixed';
    area.style.opacity = '0';
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
    focused?.focus({ preventScroll: true });
  };
  if (navigator.clipboard) navigator.clipboard.writeText(text).catch(byHand);
  else byHand();
}
page.copy = copy;
page.selectedResultText = () => menuSelection;

// The part of the result selected with the mouse, or nothing.
function resultSelection() {
  const selection = getSelection();
  const inResult = selection.rangeCount && result.contains(selection.anchorNode) && result.contains(selection.focusNode);
  return inResult ? selection.toString() : '';
}

// Opens at (x, y) in the window's pixels, within the page; the focus comes
// back to `returnFocus` when it closes.
function openMenu(x, y, returnFocus) {
  menuSelection = resultSelection();
  menu.returnFocus = returnFocus;
  menu.hidden = false;
  menu.style.left = `${Math.max(0, Math.min(x, innerWidth - menu.offsetWidth))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, innerHeight - menu.offsetHeight))}px`;
  menu.querySelector('button').focus();
}

function closeMenu() {
  if (menu.hidden) return;
  menu.hidden = true;
  menu.returnFocus?.focus();
}

// A right click, a long press, or a tap on a touch screen (iOS has no
// context menu event); the focus goes back to where it was before the press.
function resultPressed(event) {
  event.preventDefault();
  openMenu(event.clientX, event.clientY, focusBeforePress ?? document.activeElement);
}

// The Menu key and Shift+F10 open the result's menu under the result
// wherever the controller says so (not in a field, whose own menu the
// browser opens).
function menuKeyDown(event) {
  const menuKey = event.key === 'ContextMenu' || (event.shiftKey && event.key === 'F10');
  if (!menuKey || !module || !menu.hidden) return;
  if (!module._ntc_menu_key_opens_result_menu(fields.includes(document.activeElement) ? 1 : 0)) return;
  event.preventDefault();
  const box = result.getBoundingClientRect();
  openMenu(box.left, box.bottom, document.activeElement);
}

// Ctrl+C (Cmd+C on a Mac) and Ctrl+Insert copy the result as the desktop
// window does, except where a field holds a selection: that one the
// browser copies. Before the controller runs, the browser's copy stands.
function copyKeyDown(event) {
  const copyKey = ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c')
    || (event.ctrlKey && event.key === 'Insert');
  if (!copyKey || event.altKey || event.shiftKey || !module || !menu.hidden) return;
  const input = document.activeElement;
  const fieldSelection = fields.includes(input) && input.selectionStart !== input.selectionEnd;
  menuSelection = resultSelection();
  if (module._ntc_copy_key_pressed(fieldSelection ? 1 : 0)) event.preventDefault();
}

function menuItemClicked(event) {
  const item = event.target.closest('[data-copy]');
  if (!item || item.disabled) return;
  closeMenu();
  call(item.dataset.copy === 'full' ? '_ntc_copy_full_value_clicked' : '_ntc_copy_shown_clicked');
}

function menuArrowKeyDown(event) {
  if (event.key !== 'ArrowDown' && event.key !== 'ArrowUp') return;
  event.preventDefault();
  const items = [...menu.querySelectorAll('button:enabled')];
  const at = items.indexOf(document.activeElement);
  items[(at + (event.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
}

function wireMenu() {
  result.addEventListener('contextmenu', (event) => (menu.hidden ? resultPressed(event) : event.preventDefault()));
  result.addEventListener('click', (event) => { if (pressedWith === 'touch') resultPressed(event); });
  menu.addEventListener('click', menuItemClicked);
  menu.addEventListener('keydown', menuArrowKeyDown);
  document.addEventListener('pointerdown', (event) => {
    if (!menu.contains(event.target)) closeMenu();
    focusBeforePress = document.activeElement;
    pressedWith = event.pointerType;
  }, true);
  document.addEventListener('keydown', (event) => { if (event.key === 'Escape') closeMenu(); });
  document.addEventListener('keydown', menuKeyDown);
  document.addEventListener('keydown', copyKeyDown);
  addEventListener('blur', closeMenu);
}
