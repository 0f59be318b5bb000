#pragma once

#include <QWebEngineScript>

// Scripts the browser view runs in the page, in a world of its own so the
// page's scripts neither see nor disturb them.
inline constexpr quint32 kScriptWorld = QWebEngineScript::ApplicationWorld;

// Marks an element with the time the user last typed into it, and finds the
// text fields whose typed text a reload would lose, by the place that finds
// them again in the page loaded anew: their form and their name or id.
// Password fields are never among them.
inline const char *kMarkEditsScript = R"JS(
document.addEventListener('input', function (e) { if (e.target) e.target.__gavrinEditedAt = Date.now(); }, true);
window.__gavrinTextFields = function () {
  var kept = ['text', 'search', 'email', 'number', 'tel', 'url', 'textarea'];
  return Array.prototype.filter.call(document.querySelectorAll('input, textarea'), function (el) {
    return kept.indexOf(el.type) >= 0;
  });
};
window.__gavrinFieldPlace = function (el) {
  var form = el.form, key = el.getAttribute('name') || el.getAttribute('id');
  if (!key) return null;
  var formKey = !form ? '' : form.getAttribute('id') || form.getAttribute('name')
      || '#' + Array.prototype.indexOf.call(document.forms, form);
  return [formKey, key];
};
)JS";

// {age, fields}: age is the milliseconds since the user last typed into the
// focused text field, text area or editable element, when it holds text the
// user changed since the page loaded, else -1; fields are [form, name, value]
// of each text field of the page holding text typed or put back.
inline const char *kTypedTextScript = R"JS(
(function () {
  if (typeof __gavrinTextFields !== 'function') return {age: -1, fields: []};
  var fields = __gavrinTextFields().filter(function (el) {
    return (el.__gavrinEditedAt || el.__gavrinPutBack) && el.value !== el.defaultValue && __gavrinFieldPlace(el);
  }).map(function (el) { return __gavrinFieldPlace(el).concat([el.value]); });
  var a = document.activeElement;
  while (a && (a.tagName === 'IFRAME' || a.tagName === 'FRAME')) {
    try { a = a.contentDocument.activeElement; } catch (e) { return {age: -1, fields: fields}; }
  }
  if (!a || !a.__gavrinEditedAt) return {age: -1, fields: fields};
  var textTypes = ['', 'text', 'search', 'email', 'number', 'tel', 'url', 'password'];
  var changed = false;
  if (a.tagName === 'TEXTAREA' ||
      (a.tagName === 'INPUT' && textTypes.indexOf((a.getAttribute('type') || '').toLowerCase()) >= 0))
    changed = a.value !== a.defaultValue;
  else
    changed = !!a.isContentEditable;
  return {age: changed ? Math.max(0, Date.now() - a.__gavrinEditedAt) : -1, fields: fields};
})()
)JS";

// Puts the typed text back, given as a JSON array of [form, name, value], into
// the fields found at the same places.
inline const char *kPutBackTypedTextScript = R"JS(
(function (fields) {
  if (typeof __gavrinTextFields !== 'function') return;
  __gavrinTextFields().forEach(function (el) {
    var place = __gavrinFieldPlace(el);
    fields.forEach(function (f) {
      if (place && f[0] === place[0] && f[1] === place[1]) { el.value = f[2]; el.__gavrinPutBack = true; }
    });
  });
})(%1)
)JS";

// Asks the site once, with a HEAD of the page's own address, how long it
// wants to be left alone; the answer is kept for kRetryAfterAnswerScript.
inline const char *kAskRetryAfterScript = R"JS(
(function () {
  window.__gavrinRetryAfter = undefined;
  fetch(location.href, {method: 'HEAD', cache: 'no-store', credentials: 'same-origin', redirect: 'manual'})
    .then(function (r) { window.__gavrinRetryAfter = r.headers.get('Retry-After') || ''; },
          function () { window.__gavrinRetryAfter = ''; });
})()
)JS";

// The Retry-After the site answered ('' when none), or null while it has not answered.
inline const char *kRetryAfterAnswerScript = R"JS(
window.__gavrinRetryAfter === undefined ? null : window.__gavrinRetryAfter
)JS";

// [selector, text] of the element at (%1, %2) in page pixels, or null. The
// selector walks up to the nearest id, else to the body, by tag positions, so
// it finds the same element again after a reload of the same page.
inline const char *kChooseElementScript = R"JS(
(function (x, y) {
  var el = document.elementFromPoint(x, y);
  if (!el) return null;
  var parts = [];
  for (var e = el; e && e.nodeType === 1 && e !== document.documentElement; e = e.parentElement) {
    if (e.id) { parts.unshift('#' + CSS.escape(e.id)); break; }
    var i = 1;
    for (var s = e.previousElementSibling; s; s = s.previousElementSibling)
      if (s.tagName === e.tagName) i++;
    parts.unshift(e.tagName.toLowerCase() + ':nth-of-type(' + i + ')');
  }
  return [parts.join(' > '), (el.innerText || el.textContent || '').trim()];
})(%1, %2)
)JS";

// The text of the element with the selector given as a JSON string, or null.
inline const char *kReadElementScript = R"JS(
(function (selector) {
  var el = document.querySelector(selector);
  return el ? (el.innerText || el.textContent || '').trim() : null;
})(%1)
)JS";
