#!/usr/bin/env python3
"""Writes the OpenDocument fixtures of the workbook reader test as LibreOffice
Calc 7.4 writes them: typed cells (float, percentage, time, boolean, string,
formulas with their results), blanks as text:s, repeated empty cells and rows
up to the sheet's end. Run from this folder; the files are kept in the tree."""
import zipfile

NS = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
      'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
      'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
      'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
      'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" '
      'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" '
      'xmlns:dc="http://purl.org/dc/elements/1.1/" '
      'xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0"')

STYLES = ('<office:automatic-styles>'
          '<style:style style:name="co1" style:family="table-column"/>'
          '<style:style style:name="ro1" style:family="table-row"/>'
          '<number:percentage-style style:name="N11"><number:number number:decimal-places="2" '
          'number:min-decimal-places="2" number:min-integer-digits="1"/><number:text> %</number:text>'
          '</number:percentage-style>'
          '<number:time-style style:name="N41"><number:hours number:style="long"/><number:text>:</number:text>'
          '<number:minutes number:style="long"/><number:text>:</number:text><number:seconds number:style="long"/>'
          '</number:time-style>'
          '<number:boolean-style style:name="N99"><number:boolean/></number:boolean-style>'
          '<style:style style:name="ce1" style:family="table-cell" style:parent-style-name="Default" '
          'style:data-style-name="N11"/>'
          '<style:style style:name="ce2" style:family="table-cell" style:parent-style-name="Default" '
          'style:data-style-name="N41"/>'
          '<style:style style:name="ce3" style:family="table-cell" style:parent-style-name="Default" '
          'style:data-style-name="N99"/>'
          '</office:automatic-styles>')


def text_p(text):
    """Calc's paragraph: a run of blanks after the first is written as text:s."""
    out, i = '', 0
    while i < len(text):
        if text[i] == ' ' and i + 1 < len(text) and text[i + 1] == ' ':
            j = i
            while j < len(text) and text[j] == ' ':
                j += 1
            out += ' ' + ('<text:s/>' if j - i == 2 else '<text:s text:c="%d"/>' % (j - i - 1))
            i = j
        else:
            out += text[i].replace('&', '&amp;').replace('<', '&lt;')
            i += 1
    return '<text:p>%s</text:p>' % out


def cell(value, repeat=1):
    rep = ' table:number-columns-repeated="%d"' % repeat if repeat > 1 else ''
    if value is None:
        return '<table:table-cell%s/>' % rep
    kind = value[0]
    if kind == 's':
        return ('<table:table-cell%s office:value-type="string" calcext:value-type="string">%s'
                '</table:table-cell>' % (rep, text_p(value[1])))
    if kind == 'f':  # float: value, shown text, optional formula
        formula = ' table:formula="of:%s"' % value[3] if len(value) > 3 else ''
        return ('<table:table-cell%s%s office:value-type="float" office:value="%s" calcext:value-type="float">'
                '%s</table:table-cell>' % (formula, rep, value[1], text_p(value[2])))
    if kind == 'p':
        return ('<table:table-cell table:style-name="ce1"%s office:value-type="percentage" office:value="%s" '
                'calcext:value-type="percentage">%s</table:table-cell>' % (rep, value[1], text_p(value[2])))
    if kind == 't':
        return ('<table:table-cell table:style-name="ce2"%s office:value-type="time" office:time-value="%s" '
                'calcext:value-type="time">%s</table:table-cell>' % (rep, value[1], text_p(value[2])))
    if kind == 'b':
        return ('<table:table-cell table:style-name="ce3"%s office:value-type="boolean" office:boolean-value="%s" '
                'calcext:value-type="boolean">%s</table:table-cell>'
                % (rep, value[1], text_p('WAHR' if value[1] == 'true' else 'FALSCH')))
    raise ValueError(kind)


def table(name, rows, columns):
    out = '<table:table table:name="%s" table:style-name="ta1">' % name
    out += '<table:table-column table:style-name="co1" table:number-columns-repeated="%d" ' \
           'table:default-cell-style-name="Default"/>' % columns
    used = 0
    for row in rows:
        cells = ''.join(cell(v) for v in row)
        cells += cell(None, 1024 - len(row)) if len(row) < 1024 else ''
        out += '<table:table-row table:style-name="ro1">%s</table:table-row>' % cells
        used += 1
    out += ('<table:table-row table:style-name="ro1" table:number-rows-repeated="%d">'
            '<table:table-cell table:number-columns-repeated="1024"/></table:table-row>' % (1048576 - used))
    return out + '</table:table>'


def write(path, tables):
    content = ('<?xml version="1.0" encoding="UTF-8"?>\n<office:document-content %s office:version="1.3">'
               '<office:scripts/><office:font-face-decls/>%s<office:body><office:spreadsheet>'
               '<table:calculation-settings table:automatic-find-labels="false"/>%s'
               '<table:named-expressions/></office:spreadsheet></office:body></office:document-content>'
               % (NS, STYLES, ''.join(table(n, r, c) for n, r, c in tables)))
    manifest = ('<?xml version="1.0" encoding="UTF-8"?>\n<manifest:manifest '
                'xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">'
                '<manifest:file-entry manifest:full-path="/" manifest:version="1.3" '
                'manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>'
                '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
                '</manifest:manifest>')
    with zipfile.ZipFile(path, 'w') as z:
        info = zipfile.ZipInfo('mimetype', date_time=(2024, 5, 2, 10, 0, 0))
        z.writestr(info, 'application/vnd.oasis.opendocument.spreadsheet', zipfile.ZIP_STORED)
        for name, data in (('content.xml', content), ('META-INF/manifest.xml', manifest)):
            z.writestr(zipfile.ZipInfo(name, date_time=(2024, 5, 2, 10, 0, 0)), data, zipfile.ZIP_DEFLATED)


# The circular list of workbook_reader_test.cpp, first sheet, in the same cells as CircleCells there.
CIRCLE = [
    [('s', 'Haltung'), ('s', 'd'), ('s', 'kb'), ('s', 'Is'), ('s', 'Q'), ('s', '95%-Wert'), ('s', 'Bemerkung')],
    [('s', 'H01'), ('f', '300', '300'), ('f', '1.5', '1,5'), ('f', '5', '5'), ('f', '40', '40'), None,
     ('s', 'Anschluss  Nord')],
    [('s', 'H02'), ('f', '400', '400'), ('f', '0.75', '0,75'), ('f', '2.125', '2,125'), ('f', '80', '80'),
     ('b', 'true')],
    [('s', 'H03'), ('f', '250', '250'), ('f', '1.5', '1,5'), ('f', '12.5', '12,5'), ('f', '40', '40', '=20*2'),
     ('b', 'false')],
    [],
    [('s', 'H05'), ('f', '1000', '1.000'), ('f', '1.5', '1,5'), ('f', '1.125', '1,125'), ('f', '1500', '1.500'),
     ('s', 'ja'), ('s', 'a;b')],
]

# A project as Calc makes it of an exported workbook: the header "95%" typed
# as a percentage, a bank slope typed as a time.
PROJECT = [
    ('Notizen', [[('s', 'Kanalnetz Nord')]], 1),
    ('Kreisprofile', [
        [('s', 'Haltung'), ('s', 'd'), ('s', 'kb'), ('s', 'Is'), ('s', 'Q'), ('p', '0.95', '95,00 %')],
        [('s', 'H05'), ('f', '1000', '1.000'), ('f', '1.5', '1,5'), ('f', '1.125', '1,125'),
         ('f', '1500', '1.500'), ('s', 'ja')],
    ], 6),
    ('Gerinne', [
        [('s', 'Gerinne'), ('s', 'Q'), ('s', 'Is'), ('s', 'kst Sohle'), ('s', 'kst links'), ('s', 'kst rechts'),
         ('s', 'b'), ('s', 'hp'), ('s', 'Ufer links'), ('s', 'Ufer rechts')],
        [('s', 'G1'), ('f', '1500', '1.500'), ('f', '2', '2'), ('f', '35', '35'), ('f', '30', '30'),
         ('f', '30', '30'), ('f', '100', '100'), ('f', '120', '120'), ('s', '1:1,5'), ('f', '45', '45')],
        [('s', 'G2'), ('f', '1500', '1.500'), ('f', '2', '2'), ('f', '35', '35'), ('f', '30', '30'),
         ('f', '30', '30'), ('f', '100', '100'), ('f', '120', '120'), ('t', 'PT01H01M30S', '01:01:30'),
         ('f', '45', '45')],
    ], 10),
]

if __name__ == '__main__':
    write('kreisprofile.ods', [('Tabelle1', CIRCLE, 7)])
    write('projekt.ods', PROJECT)
