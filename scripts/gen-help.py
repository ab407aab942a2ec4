#!/usr/bin/env python3
"""Renders the help pages in data/help/ into the HTML Help projects of
services.chm and about.chm.

A page file holds the page's content only: header lines "name: value", a blank
line, then the body. Service pages (services/N.txt describes catalogue row N-1)
and preset pages (services/<preset>.txt) are plain text in [sections]; other
pages are HTML fragments (in services/preset-howto.html, shared by the preset
pages, {caption} and {file} stand for the preset's). This script adds the
frame, the links, the contents and the index, and writes Windows-1251 with
CR LF, the code page the help viewer of a Russian Windows XP expects for
Language=0x419.

Usage: gen-help.py <output-folder>   (writes services/ and about/ in it)
"""
import html
import pathlib
import re
import sys

from qlmr_tables import DATA, fail, read_catalogue, read_table

SOURCE = DATA / "help"
SERVICES_KEY = r"HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services"
PRODUCT = "Quillmere (QLMR)"
FOOTER = '<p class="foot">' + PRODUCT + " — справка по службам Windows XP</p>\n"
ABOUT_FOOTER = '<p class="foot">' + PRODUCT + " — Palewick Workshop, Tovenar studio</p>\n"
ABOUT_PAGES = ["about", "history"]
VERDICTS = {"no": "Отключать нельзя", "keep": "Отключать не рекомендуется",
            "cond": "Можно отключить, если функция не нужна", "yes": "Можно отключить"}
MARKS = (" SP2", " *")
HH_HEAD = ('<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML>\n<HEAD>\n'
           '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">\n'
           "</HEAD><BODY>\n")
esc = lambda text: html.escape(text, quote=False)
attr = lambda text: html.escape(text, quote=True)


def read_page(path):
    """(header dict, body text) of one page file."""
    head, _, body = path.read_text(encoding="utf-8").partition("\n\n")
    fields = dict(line.split(": ", 1) for line in head.splitlines() if line)
    return fields, body


def sections(path, body, required, optional=()):
    """[name] sections of a text page; lines of a paragraph join with spaces,
    and in a list each item begins with "- "."""
    found = {}
    for name, text in re.findall(r"^\[(\w+)\]\n(.*?)(?=^\[|\Z)", body, re.M | re.S):
        items = re.split(r"^- ", text.strip(), flags=re.M)
        found[name] = [" ".join(item.split("\n")).strip() for item in items if item]
    if not set(required) <= set(found) <= set(required) | set(optional):
        fail(f"{path}: sections must be {required}, optionally {optional}; found {list(found)}")
    return found


def write(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(text.replace("\n", "\r\n").encode("cp1251"))


def page(title, body):
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">\n'
            "<html>\n<head>\n"
            '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">\n'
            "<title>" + esc(title) + "</title>\n"
            '<link rel="stylesheet" type="text/css" href="style.css">\n'
            "</head>\n<body>\n" + body + "</body>\n</html>\n")


def sitemap_item(name, local=None):
    params = '<param name="Name" value="' + attr(name) + '">'
    if local:
        params += '<param name="Local" value="' + attr(local) + '">'
    return '<LI> <OBJECT type="text/sitemap">' + params + "</OBJECT>\n"


def hhc(items):
    return (HH_HEAD + '<OBJECT type="text/site properties">'
            '<param name="Window Styles" value="0x800025"></OBJECT>\n'
            "<UL>\n" + items + "</UL>\n</BODY></HTML>\n")


def hhk(entries):
    """One topic per keyword: chmcmd mis-parses keywords with several topics."""
    entries = sorted(entries, key=lambda entry: entry[0].lower())
    return HH_HEAD + "<UL>\n" + "".join(sitemap_item(*e) for e in entries) + "</UL>\n</BODY></HTML>\n"


def hhp(name, title, files):
    default = files[0]
    return ("[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=" + name + ".chm\n"
            # The index stays the sitemap file: chmcmd's binary index embeds the compile time
            # in compressed data, and two builds of one commit must give the same bytes.
            "Contents file=" + name + ".hhc\nIndex file=" + name + ".hhk\nBinary Index=No\n"
            "Default Window=main\nDefault topic=" + default + "\n"
            "Display compile progress=No\nFull-text search=Yes\nLanguage=0x419 Russian\n"
            "Title=" + title + "\n\n[WINDOWS]\n"
            'main="' + title + '","' + name + '.hhc","' + name + '.hhk","' + default + '","'
            + default + '",,,,,0x63520,,0x387e,[60,40,900,680],,,,,,,0\n'
            "\n[FILES]\n" + "\n".join(files) + "\n")


class Services:
    def __init__(self):
        self.catalogue = read_catalogue()
        self.pages = [read_page(SOURCE / "services" / f"{i + 1}.txt") for i in range(len(self.catalogue))]
        self.presets = read_table("preset-descriptions.tsv")
        for i, (fields, _) in enumerate(self.pages):
            if fields.get("verdict") not in VERDICTS or not fields.get("title"):
                fail(f"help page {i + 1}.txt: needs a title and a verdict of {list(VERDICTS)}")

    def english(self, i):
        name = self.catalogue[i]["display_eng"]
        return next((name[: -len(m)] for m in MARKS if name.endswith(m)), name)

    def link(self, target):
        """{SystemName} links to that name's first row, {#N} to catalogue number N."""
        if target.startswith("#"):
            i = int(target[1:]) - 1
        else:
            names = [row["system"].lower() for row in self.catalogue]
            if target.lower() not in names:
                fail(f"help: {{{target}}} names no catalogue service")
            i = names.index(target.lower())
        return '<a href="%d.html">«%s»</a>' % (i + 1, esc(self.pages[i][0]["title"]))

    def render(self, text):
        parts = re.split(r"\{([^{}]+)\}", text)
        return "".join(esc(p) if n % 2 == 0 else self.link(p) for n, p in enumerate(parts))

    def nav(self, number):
        parts = ['<a href="index.html">Содержание</a>']
        if number > 1:
            parts.append('<a href="%d.html">&lt;&lt; Предыдущая</a>' % (number - 1))
        if number < len(self.pages):
            parts.append('<a href="%d.html">Следующая &gt;&gt;</a>' % (number + 1))
        return '<p class="nav">' + " | ".join(parts) + "</p>\n"

    def service_page(self, i):
        fields, body = self.pages[i]
        found = sections(f"{i + 1}.txt", body, ("does", "needs", "users", "safe", "breaks"), ("note",))
        text = {name: self.render(items[0]) for name, items in found.items()}
        row = self.catalogue[i]
        code = lambda value: "<code>" + esc(value) + "</code>"
        facts = [("Номер в каталоге", str(i + 1)), ("Системное имя", code(row["system"]))]
        if "real" in fields:
            facts.append(("Настоящее имя службы", code(fields["real"])))
        host = code(row["host"])
        if "realhost" in fields:
            host = code(fields["realhost"]) + " (в каталоге: " + host + ")"
        facts.append(("Процесс", host))
        key = SERVICES_KEY + "\\" + fields.get("real", row["system"])
        facts.append(("Раздел реестра", code(key)))
        verdict = fields["verdict"]
        html_text = (self.nav(i + 1) + "<h1>" + esc(fields["title"]) + "</h1>\n"
                     '<p class="en">' + esc(self.english(i)) + "</p>\n" + '<table class="facts">\n'
                     + "".join("<tr><th>%s</th><td>%s</td></tr>\n" % (esc(k), v) for k, v in facts)
                     + "</table>\n<h2>Назначение</h2>\n<p>" + text["does"] + "</p>\n"
                     "<h2>Зависимости</h2>\n<p><b>Что нужно для работы:</b> " + text["needs"] + "</p>\n"
                     "<p><b>Кто пользуется службой:</b> " + text["users"] + "</p>\n"
                     '<h2>Можно ли отключить</h2>\n<p><span class="verdict verdict-' + verdict + '">'
                     + esc(VERDICTS[verdict]) + "</span></p>\n<p>" + text["safe"] + "</p>\n"
                     "<p><b>Что перестанет работать:</b> " + text["breaks"] + "</p>\n")
        if "note" in text:
            html_text += '<div class="note"><p><b>Примечание.</b> ' + text["note"] + "</p></div>\n"
        return page(fields["title"] + " (" + self.english(i) + ")", html_text + FOOTER)

    def preset_page(self, preset):
        path = SOURCE / "services" / (preset["preset"] + ".txt")
        text = sections(path, path.read_text(encoding="utf-8"), ("purpose", "off", "kept", "warn"))
        others = " | ".join('<a href="%s.html">%s</a>' % (p["preset"], esc(p["caption"]))
                            for p in self.presets if p is not preset)
        howto = (SOURCE / "services" / "preset-howto.html").read_text(encoding="utf-8")
        html_text = ('<p class="nav"><a href="index.html">Содержание</a> | ' + others + "</p>\n"
                     "<h1>Конфигурация «" + esc(preset["caption"]) + "»</h1>\n"
                     "<h2>Для чего она</h2>\n<p>" + esc(text["purpose"][0]) + "</p>\n"
                     "<h2>Что отключается</h2>\n<ul>\n"
                     + "".join("<li>" + esc(item) + "</li>\n" for item in text["off"])
                     + "</ul>\n<h2>Что остаётся</h2>\n<p>" + esc(text["kept"][0]) + "</p>\n"
                     "<p>" + esc(text["warn"][0]) + "</p>\n"
                     + howto.replace("{file}", preset["preset"] + ".html")
                            .replace("{caption}", esc(preset["caption"])))
        return page("Конфигурация «" + preset["caption"] + "»", html_text + FOOTER)

    def index_page(self):
        fields, body = read_page(SOURCE / "services" / "index.html")
        verdicts = "".join('<span class="verdict verdict-%s">%s</span> ' % (key, esc(text))
                           for key, text in VERDICTS.items())
        rows = "".join('<tr><td>%d</td><td><a href="%d.html">%s</a></td><td><code>%s</code></td></tr>\n'
                       % (i + 1, i + 1, esc(p[0]["title"] + " (" + self.english(i) + ")"),
                          esc(self.catalogue[i]["system"])) for i, p in enumerate(self.pages))
        body = body.replace("<!-- verdicts -->", verdicts).replace("<!-- catalogue -->\n", rows)
        return fields, page(fields["title"], body + FOOTER)

    def keywords(self, index_fields):
        keywords = {}

        def add(keyword, local, title):
            # A keyword shared by two pages is told apart by the page's title.
            if keyword in keywords and keywords[keyword] != (local, title):
                other_local, other_title = keywords.pop(keyword)
                keywords[keyword + " — " + other_title] = (other_local, other_title)
                keyword = keyword + " — " + title
            keywords[keyword] = (local, title)

        for i, (fields, _) in enumerate(self.pages):
            for word in (fields["title"], self.english(i), self.catalogue[i]["system"], fields.get("real")):
                if word:
                    add(word, "%d.html" % (i + 1), fields["title"])
        for p in self.presets:
            add("Конфигурация «" + p["caption"] + "»", p["preset"] + ".html", p["caption"])
            add(p["caption"], p["preset"] + ".html", p["caption"])
        for word in index_fields["keywords"].split("; "):
            add(word, "index.html", word)
        return [(k, v[0]) for k, v in keywords.items()]

    def write(self, out):
        index_fields, index_html = self.index_page()
        files = {"index.html": index_html}
        files.update(("%d.html" % (i + 1), self.service_page(i)) for i in range(len(self.pages)))
        files.update((p["preset"] + ".html", self.preset_page(p)) for p in self.presets)
        for name, text in files.items():
            write(out / name, text)
        write(out / "style.css", (SOURCE / "style.css").read_text(encoding="utf-8"))
        items = sitemap_item(index_fields["contents"], "index.html")
        items += sitemap_item("Службы Windows XP") + "<UL>\n"
        items += "".join(sitemap_item("%d. %s" % (i + 1, p[0]["title"]), "%d.html" % (i + 1))
                         for i, p in enumerate(self.pages))
        items += "</UL>\n" + sitemap_item("Конфигурации") + "<UL>\n"
        items += "".join(sitemap_item(p["caption"], p["preset"] + ".html") for p in self.presets)
        write(out / "services.hhc", hhc(items + "</UL>\n"))
        write(out / "services.hhk", hhk(self.keywords(index_fields)))
        write(out / "services.hhp", hhp("services", PRODUCT + " — справка по службам",
                                        list(files) + ["style.css"]))


def write_about(out):
    pages = [read_page(SOURCE / "about" / (name + ".html")) for name in ABOUT_PAGES]
    items, keywords = "", []
    for name, (fields, body) in zip(ABOUT_PAGES, pages):
        others = " | ".join('<a href="%s.htm">%s</a>' % (other, esc(f["contents"]))
                            for other, (f, _) in zip(ABOUT_PAGES, pages) if other != name)
        write(out / (name + ".htm"),
              page(fields["title"], '<p class="nav">' + others + "</p>\n" + body + ABOUT_FOOTER))
        items += sitemap_item(fields["contents"], name + ".htm")
        keywords += [(word, name + ".htm") for word in fields["keywords"].split("; ")]
    write(out / "style.css", (SOURCE / "style.css").read_text(encoding="utf-8"))
    write(out / "about.hhc", hhc(items))
    write(out / "about.hhk", hhk(keywords))
    write(out / "about.hhp", hhp("about", PRODUCT + " — о программе",
                                 [name + ".htm" for name in ABOUT_PAGES] + ["style.css"]))


if __name__ == "__main__":
    out = pathlib.Path(sys.argv[1])
    Services().write(out / "services")
    write_about(out / "about")
