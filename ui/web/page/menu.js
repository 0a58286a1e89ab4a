// ntc-beta: the result's copy menu ("复制", "复制完整数值") as the page
// draws it: opened where the controller says, its entries chosen by mouse,
// keyboard and touch, the focus given back; and the clipboard. Part of the
// page's script (form.js).

const menu = document.querySelector('[role=menu]');
const menuItems = [...menu.querySelectorAll('button')];
let focusBeforePress = null;
let pressedWith = ''; // the last press's pointer: "mouse", "touch", "pen"

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

// The part of the result selected with the mouse, or nothing.
function resultSelection() {
  const selection = getSelection();
  const inResult = selection.rangeCount && result.contains(selection.anchorNode) && result.contains(selection.focusNode);
  return inResult ? selection.toString() : '';
}

// Opens with the controller's entries, at the pointer (`at`, the page's
// pixels) or, from the keyboard, under the result, within the page; the
// focus comes back to where it was before the press or key when it closes.
function openMenu({ items, at }) {
  items.forEach(({ entry, enabled }, i) => {
    menuItems[i].entry = entry;
    menuItems[i].disabled = !enabled;
  });
  const box = result.getBoundingClientRect();
  const { x, y } = at ?? { x: box.left, y: box.bottom };
  menu.returnFocus = at ? focusBeforePress ?? document.activeElement : document.activeElement;
  menu.hidden = false;
  menu.style.left = `${Math.max(0, Math.min(x, innerWidth - menu.offsetWidth))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, innerHeight - menu.offsetHeight))}px`;
  menuItems[0].focus();
}

function closeMenu() {
  if (menu.hidden) return;
  menu.hidden = true;
  menu.returnFocus?.focus();
}

function menuArrowKeyDown(event) {
  if (event.key !== 'ArrowDown' && event.key !== 'ArrowUp') return;
  event.preventDefault();
  const items = menuItems.filter((item) => !item.disabled);
  const at = items.indexOf(document.activeElement);
  items[(at + (event.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
}

// The menu's own keys and presses; a chosen entry goes to the controller
// (events.js).
function wireMenu(entryChosen) {
  menu.addEventListener('click', (event) => {
    const item = event.target.closest('button');
    if (!item || item.disabled) return;
    closeMenu();
    entryChosen(item.entry);
  });
  menu.addEventListener('keydown', menuArrowKeyDown);
  document.addEventListener('pointerdown', (event) => {
    if (!menu.contains(event.target)) closeMenu();
    focusBeforePress = document.activeElement;
    pressedWith = event.pointerType;
  }, true);
  document.addEventListener('keydown', (event) => { if (event.key === 'Escape') closeMenu(); });
  addEventListener('blur', closeMenu);
}
