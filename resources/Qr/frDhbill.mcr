{
    "format": "membercard-report",
    "version": 1,
    "title": "积分兑换单",
    "page": {
        "width": 210.0,
        "height": 148.0,
        "landscape": false,
        "margins": [
            10,
            8,
            10,
            8
        ]
    },
    "variables": {
        "category": "自定义变量",
        "items": [
            {
                "name": "sMemHyCode",
                "value": ""
            },
            {
                "name": "sMemCode",
                "value": ""
            },
            {
                "name": "sMemName",
                "value": ""
            },
            {
                "name": "sMemdate",
                "value": ""
            },
            {
                "name": "sMemEmpName",
                "value": ""
            },
            {
                "name": "sMemOperName",
                "value": ""
            },
            {
                "name": "sMemmemo1",
                "value": ""
            },
            {
                "name": "sNemTotalJF",
                "value": ""
            }
        ]
    },
    "bands": [
        {
            "name": "ReportTitle1",
            "kind": "reportTitle",
            "height": 24,
            "objects": [
                {
                    "name": "Text1",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        10.0
                    ],
                    "text": "积分兑换单",
                    "font": {
                        "family": "黑体",
                        "size": 16,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        11.0,
                        63.33,
                        6.0
                    ],
                    "text": "单    号：[sMemCode]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        63.33,
                        11.0,
                        63.33,
                        6.0
                    ],
                    "text": "日    期：[sMemdate]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        126.67,
                        11.0,
                        63.33,
                        6.0
                    ],
                    "text": "营 业 员：[sMemEmpName]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        17.0,
                        63.33,
                        6.0
                    ],
                    "text": "会员卡号：[sMemHyCode]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        63.33,
                        17.0,
                        63.33,
                        6.0
                    ],
                    "text": "会员姓名：[sMemName]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                }
            ]
        },
        {
            "name": "ColumnHeader1",
            "kind": "columnHeader",
            "height": 6,
            "objects": [
                {
                    "name": "Text7",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        24.0,
                        6.0
                    ],
                    "text": "编号",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text10",
                    "kind": "text",
                    "geometry": [
                        24.0,
                        0.0,
                        60.0,
                        6.0
                    ],
                    "text": "名称",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text13",
                    "kind": "text",
                    "geometry": [
                        84.0,
                        0.0,
                        22.0,
                        6.0
                    ],
                    "text": "兑换数量",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text16",
                    "kind": "text",
                    "geometry": [
                        106.0,
                        0.0,
                        22.0,
                        6.0
                    ],
                    "text": "单位积分",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text19",
                    "kind": "text",
                    "geometry": [
                        128.0,
                        0.0,
                        24.0,
                        6.0
                    ],
                    "text": "兑换积分",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text22",
                    "kind": "text",
                    "geometry": [
                        152.0,
                        0.0,
                        38.0,
                        6.0
                    ],
                    "text": "备注",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                }
            ]
        },
        {
            "name": "MasterData1",
            "kind": "masterData",
            "height": 5.5,
            "objects": [
                {
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        24.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_GoodCode\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        24.0,
                        0.0,
                        60.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_GoodName\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text14",
                    "kind": "text",
                    "geometry": [
                        84.0,
                        0.0,
                        22.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_Amount\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.####;-,0.####",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text17",
                    "kind": "text",
                    "geometry": [
                        106.0,
                        0.0,
                        22.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_dhJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text20",
                    "kind": "text",
                    "geometry": [
                        128.0,
                        0.0,
                        24.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_totalJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text23",
                    "kind": "text",
                    "geometry": [
                        152.0,
                        0.0,
                        38.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_Mem\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                }
            ],
            "dataSet": "frxDM"
        },
        {
            "name": "ColumnFooter1",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        24.0,
                        6.0
                    ],
                    "text": "合计",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text12",
                    "kind": "text",
                    "geometry": [
                        24.0,
                        0.0,
                        60.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text15",
                    "kind": "text",
                    "geometry": [
                        84.0,
                        0.0,
                        22.0,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_Amount\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.####;-,0.####",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text18",
                    "kind": "text",
                    "geometry": [
                        106.0,
                        0.0,
                        22.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text21",
                    "kind": "text",
                    "geometry": [
                        128.0,
                        0.0,
                        24.0,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_totalJF\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text24",
                    "kind": "text",
                    "geometry": [
                        152.0,
                        0.0,
                        38.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                }
            ]
        },
        {
            "name": "ReportSummary1",
            "kind": "reportSummary",
            "height": 21,
            "objects": [
                {
                    "name": "Text25",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        1.0,
                        95.0,
                        6.0
                    ],
                    "text": "合计积分：[sNemTotalJF]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text26",
                    "kind": "text",
                    "geometry": [
                        95.0,
                        1.0,
                        95.0,
                        6.0
                    ],
                    "text": "兑换后剩余积分：[frxDD.\"F_hyJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": ",0.##;-,0.##"
                },
                {
                    "name": "Text27",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        7.0,
                        190.0,
                        6.0
                    ],
                    "text": "备    注：[sMemmemo1]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "canGrow": true
                },
                {
                    "name": "Text28",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        14.0,
                        95.0,
                        6.0
                    ],
                    "text": "操 作 员：[sMemOperName]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text29",
                    "kind": "text",
                    "geometry": [
                        95.0,
                        14.0,
                        95.0,
                        6.0
                    ],
                    "text": "会员签字：＿＿＿＿＿＿＿＿",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1
                }
            ]
        }
    ]
}
