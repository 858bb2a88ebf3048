#!/usr/bin/env python3
"""Writes the golden project files of the storage tests from the record texts typed below by
hand, straight from the file layout: 128-byte records, a 2-byte little-endian length, the text
in Windows-1252, the rest of the record zero. Run it here to remake the fixtures."""

def registros(textos):
    datos = bytearray()
    for texto in textos:
        b = texto.encode('cp1252')
        assert len(b) <= 126
        datos += len(b).to_bytes(2, 'little') + b + bytes(126 - len(b))
    return bytes(datos)

def obra(s):
    # Header: records 1 to 19; record 20 is offset 6 of block 1 (the run count).
    cabecera = [
        'Version: 2009-Mar.02',
        'IDIOMA : 1 Español',
        'SisUnid: SI' + ' ' * 27,
        'GAriete: Si',
        'Conducción Río Ebro – Tramo Norte',
        'Aguas del Norte, S.A.',
        f'15{s}00 // 1{s}50',
        f'25{s}00 // 2{s}50',
        f'5{s}00',
        f'5{s}00 // 0{s}50',
        f'16{s}50 // 1{s}65',
        f'27{s}50 // 2{s}75',
        f'3{s}00',
        f'6{s}00',
        f'1{s}00',
        '0', '0', '0', '0',
    ]
    # Block 1, offsets 6 to 66 (records 20 to 80): a reinforced-concrete run.
    bloque = [
        '1',                       # 6 run count
        '1',                       # 7 run number
        'Tramo 1 – cruce del arroyo',
        '1210',                    # 9 typology
        '0',                       # 10 outer maximum not fixed
        f'0{s}000',                # 11
        '1', '2', '3',             # 12 control, 13 cylinder, 14 cracking class
        f'6{s}0',                  # 15 CAMMAX
        f'350 // 35{s}0',          # 16 FCK
        f'22 // 2{s}2',            # 17 Fct
        f'5000 // 500{s}0',        # 18 Fyk
        f'3333 // 333{s}3',        # 19 Fyd
        f'1{s}50', f'1{s}00', f'1{s}00',  # 20-22 GamaB, GamaY, GamaF
        '0',                       # 23
        f'0{s}000', f'0{s}00',     # 24, 25
        '0 // 0', '0 // 0',        # 26, 27 Es, Ep
        f'0 // 0{s}0', f'0 // 0{s}0', f'0 // 0{s}0',  # 28-30
        '0 // 0', '0 // 0',        # 31, 32
        f'0{s}00', f'0{s}000', f'0{s}000', f'0{s}0000', f'0{s}0000',  # 33-37
        f'1{s}200', f'12{s}0', f'1{s}440', f'3{s}0', f'3{s}0', f'2{s}50',  # 38-43
        '1', '12',                 # 44 cradle, 45 installation
        f'2{s}00', f'2{s}696', f'1{s}80', f'30{s}00',  # 46-49
        '21',                      # 50 fill soil
        f'0{s}00',                 # 51
        '0',                       # 52
        f'0{s}000 // 0{s}000',     # 53
        '1', '2',                  # 54 loads computed, 55 live load
        f'10{s}00 // 1{s}00', f'12{s}00 // 1{s}20',  # 56, 57
        f'1{s}00',                 # 58
        f'11{s}00 // 1{s}10', f'13{s}20 // 1{s}32',  # 59, 60
        f'4{s}00', f'1{s}00',      # 61, 62
        f'1{s}00 // 0{s}10',       # 63
        f'0 // 0{s}0',             # 64 FykPost
        '0', '0',                  # 65, 66
    ]
    assert len(cabecera) == 19 and len(bloque) == 61
    return registros(cabecera + bloque)

for nombre, s in (('obra_coma.dvk', ','), ('obra_punto.dvk', '.')):
    with open(nombre, 'wb') as f:
        f.write(obra(s))
